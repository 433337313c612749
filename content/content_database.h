// ContentDatabase: one content file as a module sees it, by records. It owns its PdbFile and the
// buffer of the record it handed out last; it does not know record layouts (see RecordCursor).
#pragma once

#include <cstdint>
#include <memory>

#include "content/pdb_file.h"
#include "content/record_buffer.h"

namespace orvane {

class ContentDatabase {
  public:
    // Takes the reader of the file; null gives a database that is not open.
    explicit ContentDatabase(std::unique_ptr<PdbFile> file);
    ContentDatabase(const ContentDatabase&) = delete;
    ContentDatabase& operator=(const ContentDatabase&) = delete;
    // Closes the file and releases the current record buffer.
    virtual ~ContentDatabase();

    virtual bool isOpen() const;
    // The number of records; 0 whenever the database is not open.
    virtual uint16_t recordCount() const;
    // Reads record index from the file into a new buffer that becomes the current one (the
    // previous one is released). Null when not open, index is not below recordCount, the record is
    // empty or its read came back short. The handle keeps the bytes alive while it is held.
    virtual RecordHandle getRecord(uint16_t index);

  private:
    std::unique_ptr<PdbFile> file_;
    RecordHandle current_;
};

}  // namespace orvane
