#pragma once

#include "services/errors/ErrorMessage.h"
#include "services/filesystem/FileSystem.h"
#include "services/journal/RunDetails.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The run journal's lines: one JSON object a line, so that a reader can stop at the
// last complete line after a crash. Names are bytes: a valid UTF-8 name is a JSON
// string, any other the object {"base64": "..."}. One codec writes and reads them, by
// hand (a run of 100,000 files writes 200,000 lines, and undo reads them); reading
// trusts nothing, since undo moves files by what a line says.
//
//   {"tidyra":"run","version":1,"folder":P,"device":D,"inode":I,"started":T,"previous":F,
//    "inodes":"stable"|"unstable",    whether inode numbers outlive a remount there
//    "origin":"automatic"}            only in runs of the watch that tidies automatically
//   {"make":"Images/JPG"}                  a folder the run is about to create
//   {"made":"Images/JPG","inode":I}        a folder the run created
//   {"i":N,"from":NAME,"to":"Images/JPG/NAME","inode":I,"size":S,"mtime":NS}
//            the intent to make move N, with the file's size and modification time
//   {"d":N}  move N happened      {"f":N}  it happened without no-replace renames
//   {"n":N}  move N never happened (a killed run's intent, settled by looking)
//   {"b":N}  undo moved it back
//   {"x":N}  undo can never move it back (gone, or replaced by another file)
//   {"e":N}  the run came to its end, having moved N files
//   {"reserve":NAME,"for":I}   an empty file is about to be made at NAME, the new name
//            of the file with inode I, to move it there (where no-replace renames and
//            hard links are missing); written, not synced, before it is made
//   {"reserve":NAME,"for":I,"inode":R,"mtime":NS}   it was made, and is that file
//   {"reserve":NAME,"for":I,"gone":1}    it was not made, or was removed again
//            each with "back":1 when an undo reserves the old name NAME
//   {"ub":1} an undo began (written before its first move back)
//   {"u":N}  an undo took the whole run back (N files restored); the record stays in
//            the folder's history. {"u":N,"kept":1}: folders it made had to stay, as
//            files of later runs were in them
namespace JournalLines {

inline constexpr int currentVersion = 1;
// Of the details files: 2 keeps each reason as its kind, arguments and errno.
inline constexpr int detailsVersion = 2;

struct Header
{
    std::string folder; // bytes
    FileIdentity folderIdentity;
    std::string started; // ISO 8601, UTC
    std::string previous; // the run file that was the last run before this one, or empty
    // False where inode numbers may change with a remount or differ between the names
    // of one file (FUSE, FAT and SMB file systems): files are then known by size and
    // modification time.
    bool stableInodes = true;
    bool automatic = false; // started by the watch, not by the user
};

struct Made
{
    std::vector<std::string> parts; // below the organized folder
    std::uint64_t inode = 0;
};

struct Intent
{
    std::uint64_t index = 0;
    std::string from; // a name directly in the folder
    std::vector<std::string> to; // CATEGORY[/SUB]/NAME below the folder
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds
    std::int64_t born = 0; // birth time, nanoseconds; 0 where not known
};

enum class Mark : std::uint8_t { moved, movedByFallback, back, givenUp, neverMoved };

// What the journal says of an empty file a move reserved its new name with: only one
// it proves made is ever removed by undo.
struct Reservation
{
    enum class Stage : std::uint8_t { reserving, reserved, released };
    Stage stage = Stage::reserving;
    std::string name; // a plain name: the intent's new one, or with `back` its old one
    std::uint64_t file = 0; // the inode of the file it was made for
    bool back = false; // made by an undo, at the old name
    std::uint64_t inode = 0; // when reserved: the empty file made
    std::int64_t modified = 0;
    // When reserving: the name was not seen free first, so only an empty file without
    // permissions, as reservations are made, can be it.
    bool unlooked = false;
};

struct Marked
{
    Mark mark;
    std::uint64_t index = 0;
};

void appendHeader(std::string &out, const Header &header);
void appendMake(std::string &out, const std::vector<std::string> &parts);
void appendMade(std::string &out, const Made &made);
void appendIntent(std::string &out, std::uint64_t index, std::string_view from,
    const std::vector<std::string> &toFolder, std::string_view toName, const EntryInfo &file);
void appendEnd(std::string &out, std::uint64_t moved);
void appendUndone(std::string &out, std::uint64_t restored, bool foldersKept);
void appendUndoBegan(std::string &out);
void appendMark(std::string &out, Mark mark, std::uint64_t index);
void appendReservation(std::string &out, const Reservation &reservation);

// nullopt when the line is not a valid header.
std::optional<Header> parseHeader(std::string_view line);

// A folder the run is about to create.
struct ToMake
{
    std::vector<std::string> parts;
};

// The run is over.
struct Ended
{
    std::uint64_t moved = 0;
};

// An undo took the run back whole.
struct Undone
{
};

// An undo began: a run whose last line is this, or a mark of undo's, was left half
// undone, and what it put back unmarked is settled by looking.
struct UndoBegan
{
};

// One line after the header; a line that is torn, damaged or names anything outside
// the organized folder is std::monostate.
using Parsed = std::variant<std::monostate, ToMake, Ended, Undone, UndoBegan, Made, Intent, Marked,
    Reservation>;
Parsed parseLine(std::string_view line);

void appendDetailsHeader(std::string &out, RunDetails::Kind kind, std::string_view folder);
// {"name":NAME,"why":KEY,...}: the name and the reason's members (see ErrorFields).
void appendDetail(std::string &out, std::string_view name, const ErrorMessage &why);
// The kind and folder (bytes) of a details file; nullopt when not a valid header.
std::optional<std::pair<RunDetails::Kind, std::string>> parseDetailsHeader(std::string_view line);
std::optional<std::pair<std::string, ErrorMessage>> parseDetail(std::string_view line);

} // namespace JournalLines
