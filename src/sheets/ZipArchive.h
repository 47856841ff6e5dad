#pragma once

#include <QByteArray>
#include <QString>

// A zip archive read from memory with minizip: the parts of an .xlsx workbook.
class ZipArchive {
public:
    enum class Status { Ok, Missing, Encrypted, Damaged };

    // Parts larger than this when unpacked count as damaged, so that a small file
    // cannot unpack into all of memory.
    static constexpr qint64 kMaxEntrySize = 256LL * 1024 * 1024;

    explicit ZipArchive(const QByteArray &content);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // False when the bytes are no readable zip archive.
    bool isOpen() const { return m_zip != nullptr; }
    // Unpacks the entry `name` (letter case ignored, as in part names) into `content`.
    Status read(const QString &name, QByteArray &content) const;

private:
    struct MemoryStream {
        const QByteArray *bytes;
        qint64 position;
    };

    MemoryStream m_stream;
    void *m_zip = nullptr;
};
