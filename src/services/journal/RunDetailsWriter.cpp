#include "services/journal/RunDetailsWriter.h"

#include "services/filesystem/FileSystem.h"
#include "services/journal/JournalLines.h"

namespace {

constexpr std::size_t flushThreshold = 1 << 20;

} // namespace

RunDetailsWriter::RunDetailsWriter(FileSystem &fileSystem, const std::filesystem::path &file,
    RunDetails::Kind kind, const std::filesystem::path &folder)
    : m_fileSystem(fileSystem)
    , m_name(file.filename())
    , m_newName(m_name + ".new")
{
    m_failed = fileSystem.openFolder(file.parent_path(), m_folder) != 0;
    if (!m_failed) {
        // A killed run may have left its new file; it is replaced, never followed.
        fileSystem.unlinkFile(m_folder.get(), m_newName);
        m_failed = fileSystem.createFile(m_folder.get(), m_newName, m_handle) != 0;
    }
    JournalLines::appendDetailsHeader(m_buffer, kind, folder.native());
}

RunDetailsWriter::~RunDetailsWriter()
{
    if (m_handle.isValid()) {
        m_handle.reset();
        m_fileSystem.unlinkFile(m_folder.get(), m_newName);
    }
}

void RunDetailsWriter::add(std::string_view name, const ErrorMessage &why)
{
    m_empty = false;
    JournalLines::appendDetail(m_buffer, name, why);
    if (m_buffer.size() >= flushThreshold)
        flush();
}

void RunDetailsWriter::flush()
{
    if (!m_failed && !m_buffer.empty())
        m_failed = m_fileSystem.writeFile(m_handle.get(), m_buffer) != 0;
    m_buffer.clear();
}

void RunDetailsWriter::finish()
{
    if (!m_folder.isValid())
        return;
    if (!m_handle.isValid()) {
        m_fileSystem.unlinkFile(m_folder.get(), m_name);
        return;
    }
    flush();
    m_failed = m_fileSystem.closeFile(m_handle) != 0 || m_failed;
    // Without new entries, old ones would describe a run that is no longer the last.
    if (m_empty || m_failed
        || m_fileSystem.renameReplacing(m_folder.get(), m_newName, m_folder.get(), m_name) != 0) {
        m_fileSystem.unlinkFile(m_folder.get(), m_newName);
        m_fileSystem.unlinkFile(m_folder.get(), m_name);
    }
}
