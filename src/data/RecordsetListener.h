#pragma once

// The data control listens to its record set, so that a move or a save made directly on
// the record set (as the record navigator and the windows do) still raises the data
// control's Validate and Reposition and keeps the bound entry fields in step.
class RecordsetListener
{
public:
    struct Verdict
    {
        bool proceed = true; // false: the handler refused, nothing happens
        bool save = false;   // true: the bound entry fields were changed and must be stored
    };

    virtual ~RecordsetListener() = default;

    // Before the current record is left or saved. `action` is the Validate action code.
    // When `save` comes back true the listener has already put the entry fields' values
    // into the pending record (starting an edit when none was pending).
    virtual Verdict beforeLeave(int action) = 0;
    // After the current record changed (or was re-read).
    virtual void afterReposition() = 0;
    // After a field of the pending record was set from code.
    virtual void afterFieldSet(int column) = 0;
    // After rows were added, removed or re-read.
    virtual void afterContentChanged() = 0;
};
