-- The election database: the parties, the districts and the votes per district.
-- Statements end with ";" at the end of a line. The build makes the template
-- Valsit.mdb from this file; every new election database is a copy of the template.

-- Party codes are compared without regard to case, so "s" and "S" cannot both exist.
CREATE TABLE Partier (
    PartiID VARCHAR(6) NOT NULL COLLATE NOCASE PRIMARY KEY
        CHECK (length(PartiID) BETWEEN 1 AND 6),
    PartiNamn VARCHAR(30) CHECK (PartiNamn IS NULL OR length(PartiNamn) <= 30),
    Roster INTEGER DEFAULT 0 CHECK (Roster IS NULL OR Roster >= 0),
    PartiValRes INTEGER DEFAULT 0 CHECK (PartiValRes IS NULL OR PartiValRes BETWEEN 0 AND 999)
);

CREATE TABLE Distrikt (
    DistrID INTEGER NOT NULL PRIMARY KEY,
    DistrNr INTEGER,
    DistrNamn VARCHAR(50)
);
CREATE INDEX DistriktNamn ON Distrikt (DistrNamn);

-- One row per party and district. A party or a district that still has votes here
-- cannot be deleted or renamed (RESTRICT), which the program reports as error 3200.
CREATE TABLE DistrRoster (
    PartiID VARCHAR(6) NOT NULL COLLATE NOCASE
        REFERENCES Partier (PartiID) ON UPDATE RESTRICT ON DELETE RESTRICT,
    DistrID INTEGER NOT NULL
        REFERENCES Distrikt (DistrID) ON UPDATE RESTRICT ON DELETE RESTRICT,
    Roster INTEGER DEFAULT 0 CHECK (Roster IS NULL OR Roster >= 0),
    PRIMARY KEY (PartiID, DistrID)
);
CREATE INDEX DistrRosterDistrikt ON DistrRoster (DistrID);

-- The parties of the national parliament, largest first, so that a new user only
-- types the votes.
INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) VALUES ('S', 'Socialdemokraterna', 0, 0);
INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) VALUES ('SD', 'Sverigedemokraterna', 0, 0);
INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) VALUES ('M', 'Moderaterna', 0, 0);
INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) VALUES ('V', 'Vänsterpartiet', 0, 0);
INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) VALUES ('C', 'Centerpartiet', 0, 0);
INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) VALUES ('KD', 'Kristdemokraterna', 0, 0);
INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) VALUES ('MP', 'Miljöpartiet de gröna', 0, 0);
INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) VALUES ('L', 'Liberalerna', 0, 0);
