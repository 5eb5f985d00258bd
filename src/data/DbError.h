#pragma once

#include <QString>

#include <stdexcept>

// An error raised by the election database. The numbers are the ones the program reacts
// to (the record navigator shows 3022 and 3200 as they are and everything else with its
// details); the descriptions are shown to the user, so they are Swedish.
class DbError : public std::runtime_error
{
public:
    enum Number {
        NoCurrentRecord = 3021,       // a field or an edit without a current record
        UpdateWithoutEdit = 3020,     // Update or CancelUpdate with nothing pending
        DuplicateKey = 3022,          // the change would give a duplicate value in an index
        FileNotFound = 3024,          // no file at the path
        ReadOnly = 3027,              // the record source cannot be updated
        NullKey = 3058,               // a key field left empty
        InvalidBookmark = 3159,       // a bookmark that names no record of this set
        FieldTooSmall = 3163,         // a text longer than its field
        RecordDeleted = 3167,         // the record has been deleted
        RelatedRecordsExist = 3200,   // other records still refer to this one
        RelatedRecordRequired = 3201, // the record refers to one that does not exist
        Locked = 3260,                // another connection holds the file
        ItemNotFound = 3265,          // no field of that name
        ValidationRule = 3317,        // a value outside the field's allowed range
        UnrecognisedFormat = 3343,    // the file is not an election database
        TypeConversion = 3421,        // a value that does not fit the field's type
        EngineFailure = 3000          // anything else the database reported
    };

    DbError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description)
    {
    }

    int Number() const { return m_number; }
    QString Description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};
