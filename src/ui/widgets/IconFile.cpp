#include "ui/widgets/IconFile.h"

#include <QBuffer>
#include <QtEndian>

namespace ui {
namespace {

void append_le16(QByteArray& bytes, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void append_le32(QByteArray& bytes, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
}

// A side of 256 is written as 0, as the format has one byte for it.
char side_byte(int side) {
    return static_cast<char>(side == 256 ? 0 : side);
}

} // namespace

QByteArray ico_file(const QList<QImage>& pictures) {
    constexpr int Header_Size = 6;
    constexpr int Entry_Size = 16;
    QList<QByteArray> pngs;
    for (const QImage& picture : pictures) {
        if (picture.isNull() || picture.width() > 256 || picture.height() > 256)
            return {};
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
            return {};
        pngs.append(png);
    }
    QByteArray file;
    append_le16(file, 0); // reserved
    append_le16(file, 1); // an icon, not a cursor
    append_le16(file, static_cast<quint16>(pictures.size()));
    quint32 offset = static_cast<quint32>(Header_Size + Entry_Size * pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        file.append(side_byte(pictures[i].width()));
        file.append(side_byte(pictures[i].height()));
        file.append('\0');     // no palette
        file.append('\0');     // reserved
        append_le16(file, 1);  // colour planes
        append_le16(file, 32); // bits per pixel
        append_le32(file, static_cast<quint32>(pngs[i].size()));
        append_le32(file, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        file.append(png);
    return file;
}

} // namespace ui
