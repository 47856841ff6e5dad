#include "sheets/ZipArchive.h"

#include <unzip.h>

#include <algorithm>
#include <cstring>

namespace {

// minizip opens the "path" handed to unzOpen2_64: here the MemoryStream itself.
voidpf ZCALLBACK openMemory(voidpf, const void *path, int)
{
    return const_cast<void *>(path);
}

} // namespace

ZipArchive::ZipArchive(const QByteArray &content) : m_stream{&content, 0}
{
    zlib_filefunc64_def functions{};
    functions.zopen64_file = openMemory;
    functions.zread_file = [](voidpf, voidpf stream, void *buffer, uLong size) -> uLong {
        auto *memory = static_cast<MemoryStream *>(stream);
        const qint64 available = std::max<qint64>(memory->bytes->size() - memory->position, 0);
        const qint64 count = std::min<qint64>(available, qint64(size));
        std::memcpy(buffer, memory->bytes->constData() + memory->position, size_t(count));
        memory->position += count;
        return uLong(count);
    };
    functions.zwrite_file = [](voidpf, voidpf, const void *, uLong) -> uLong { return 0; };
    functions.ztell64_file = [](voidpf, voidpf stream) -> ZPOS64_T {
        return ZPOS64_T(static_cast<MemoryStream *>(stream)->position);
    };
    functions.zseek64_file = [](voidpf, voidpf stream, ZPOS64_T offset, int origin) -> long {
        auto *memory = static_cast<MemoryStream *>(stream);
        const qint64 size = memory->bytes->size();
        if (offset > ZPOS64_T(size))
            return -1;
        qint64 base = 0;
        if (origin == ZLIB_FILEFUNC_SEEK_CUR)
            base = memory->position;
        else if (origin == ZLIB_FILEFUNC_SEEK_END)
            base = size;
        const qint64 target = base + qint64(offset);
        if (target > size)
            return -1;
        memory->position = target;
        return 0;
    };
    functions.zclose_file = [](voidpf, voidpf) -> int { return 0; };
    functions.zerror_file = [](voidpf, voidpf) -> int { return 0; };
    m_zip = unzOpen2_64(&m_stream, &functions);
}

ZipArchive::~ZipArchive()
{
    if (m_zip)
        unzClose(m_zip);
}

ZipArchive::Status ZipArchive::read(const QString &name, QByteArray &content) const
{
    content.clear();
    if (!m_zip)
        return Status::Damaged;
    constexpr int kIgnoreCase = 2;
    if (unzLocateFile(m_zip, name.toUtf8().constData(), kIgnoreCase) != UNZ_OK)
        return Status::Missing;
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return Status::Damaged;
    constexpr uLong kEncryptedFlag = 1;
    if (info.flag & kEncryptedFlag)
        return Status::Encrypted;
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        return Status::Damaged;

    char buffer[64 * 1024];
    int count = 0;
    while ((count = unzReadCurrentFile(m_zip, buffer, sizeof buffer)) > 0) {
        if (content.size() + count > kMaxEntrySize)
            break;
        content.append(buffer, count);
    }
    // Closing checks the CRC of what was unpacked.
    const int closed = unzCloseCurrentFile(m_zip);
    if (count != 0 || closed != UNZ_OK) {
        content.clear();
        return Status::Damaged;
    }
    return Status::Ok;
}
