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

-- The constituencies of a municipality divided into them, each with its fixed seats.
-- Empty in a municipality without constituencies; the districts get their column
-- ValkretsID with the first constituency, so that the table Distrikt keeps its three
-- columns for whatever else reads or fills it.
CREATE TABLE Valkretsar (
    ValkretsID INTEGER NOT NULL PRIMARY KEY,
    ValkretsNamn VARCHAR(50) NOT NULL COLLATE NOCASE UNIQUE
        CHECK (length(trim(ValkretsNamn)) BETWEEN 1 AND 50),
    FastaMandat INTEGER NOT NULL DEFAULT 0 CHECK (FastaMandat BETWEEN 0 AND 350)
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

-- The lots drawn or recorded for the seats of a tie, each with the fingerprint of the tie
-- it was drawn for ("Fullmäktige" or "Nämnd").
CREATE TABLE Lottning (
    LottID INTEGER PRIMARY KEY AUTOINCREMENT,
    Slag TEXT NOT NULL, Plats INTEGER NOT NULL, PartiID TEXT NOT NULL,
    Fingeravtryck TEXT NOT NULL, Programlottad INTEGER NOT NULL,
    DragenAv TEXT, Tidpunkt TEXT, Anteckning TEXT
);

-- The seats Valmyndigheten published with an imported result (ValkretsID 0: the whole
-- municipality), which the report compares with its own.
CREATE TABLE Publicerat (
    PartiID VARCHAR(6) NOT NULL COLLATE NOCASE,
    ValkretsID INTEGER NOT NULL,
    Mandat INTEGER NOT NULL,
    Utjamning INTEGER NOT NULL,
    PRIMARY KEY (PartiID, ValkretsID)
);

-- The election's own settings: everything a result depends on besides the votes, so that
-- each election file keeps its own seats, rules and heading. One row. MandatFingeravtryck
-- names the input the parties' council seats (PartiValRes) were stored from.
CREATE TABLE Valinstallningar (
    ID INTEGER NOT NULL PRIMARY KEY CHECK (ID = 1),
    MandatFullm INTEGER NOT NULL CHECK (MandatFullm BETWEEN 5 AND 350),
    Regler TEXT NOT NULL CHECK (Regler IN ('Gällande', 'Äldre', 'Egna')),
    ForstaDivisor REAL NOT NULL CHECK (ForstaDivisor IN (1.2, 1.4)),
    Sparr REAL NOT NULL CHECK (Sparr BETWEEN 0 AND 100),
    Rubrik TEXT NOT NULL,
    MandatNamnd INTEGER NOT NULL CHECK (MandatNamnd BETWEEN 5 AND 350),
    Samverkan INTEGER NOT NULL CHECK (Samverkan IN (0, 1, 2)),
    SamverkanPar TEXT NOT NULL DEFAULT '',
    VisaDistrikt INTEGER NOT NULL CHECK (VisaDistrikt IN (0, 1)),
    MandatFingeravtryck TEXT NOT NULL DEFAULT '',
    MandatLagrade TEXT NOT NULL DEFAULT ''
);
INSERT INTO Valinstallningar (ID, MandatFullm, Regler, ForstaDivisor, Sparr, Rubrik, MandatNamnd, Samverkan, SamverkanPar, VisaDistrikt) VALUES (1, 41, 'Gällande', 1.2, 2, 'för RUBRIK', 11, 0, '', 0);
