// The outcome of reading or writing a drawing, as a kind the caller can switch on plus the
// details the message for the user is made of.
#pragma once

#include <string>

namespace quadrilo::cad {

class TextTable;

enum class FileError {
    None,
    NoFileName,
    CannotOpen,    // missing, unreadable
    NotADrawing,   // another kind of file
    Truncated,     // ends before its stated size
    Damaged,       // checksum, structure or references wrong
    NewerVersion,  // written by a later program
    CannotWrite,   // the folder or disk refused it; the previous file is intact
    UnknownFormat, // no reader or writer for the extension
    InsideCommand, // a command's own code cannot replace its drawing
    Refused,       // an added format could not read or write it; the detail is its own message
};

struct FileResult {
    FileError error = FileError::None;
    std::string path;
    std::string detail; // the system's reason, or what is wrong with the contents

    explicit operator bool() const { return error == FileError::None; }
};

// The message for the user in the engine's current texts.
[[nodiscard]] std::string describe(const FileResult& result, const TextTable& texts);

} // namespace quadrilo::cad
