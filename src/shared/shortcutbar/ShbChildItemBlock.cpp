#include "shared/shortcutbar/ShbChildItemBlock.h"

#include <QtEndian>

namespace {

void appendUInt32(QByteArray& out, uint32_t value)
{
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

// A cursor over the block that refuses to read beyond its end.
class Reader {
public:
    explicit Reader(const QByteArray& data) : m_data(data) {}

    bool readUInt32(uint32_t& value)
    {
        if (remaining() < 4)
            return false;
        value = qFromLittleEndian<quint32>(m_data.constData() + m_pos);
        m_pos += 4;
        return true;
    }
    bool readBytes(qsizetype n, QByteArray& out)
    {
        if (n < 0 || remaining() < n)
            return false;
        out = m_data.mid(m_pos, n);
        m_pos += n;
        return true;
    }
    qsizetype remaining() const { return m_data.size() - m_pos; }
    qsizetype pos() const { return m_pos; }
    void skip(qsizetype n) { m_pos += n; }

private:
    const QByteArray& m_data;
    qsizetype m_pos = 0;
};

} // namespace

QByteArray CShbChildItemBlock::Encode() const
{
    QByteArray out;
    QByteArray text = strText.toUtf8();
    // The text ends at its first zero, as the reader will see it.
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    out.append(text);
    out.append('\0');
    appendUInt32(out, nItemData);
    appendUInt32(out, uint32_t(images.size()));
    for (const Image& image : images) {
        appendUInt32(out, 0);
        appendUInt32(out, image.nKind);
        appendUInt32(out, uint32_t(image.blob.size()));
        out.append(image.blob);
    }
    appendUInt32(out, uint32_t(extra.size()));
    out.append(extra);
    return out;
}

bool CShbChildItemBlock::Decode(const QByteArray& block)
{
    const qsizetype nul = block.indexOf('\0');
    if (nul < 0)
        return false;
    CShbChildItemBlock decoded;
    decoded.strText = QString::fromUtf8(block.constData(), nul);
    Reader reader(block);
    reader.skip(nul + 1);
    uint32_t nCount = 0;
    if (!reader.readUInt32(decoded.nItemData) || !reader.readUInt32(nCount))
        return false;
    // At most one entry for each of the two image lists.
    if (nCount > 2)
        return false;
    for (uint32_t i = 0; i < nCount; ++i) {
        uint32_t nReserved = 0, nKind = 0, nSize = 0;
        if (!reader.readUInt32(nReserved) || !reader.readUInt32(nKind) || !reader.readUInt32(nSize))
            return false;
        if (nKind > 1)
            return false;
        Image image;
        image.nKind = nKind;
        if (!reader.readBytes(qsizetype(nSize), image.blob))
            return false;
        decoded.images.push_back(std::move(image));
    }
    uint32_t nExtra = 0;
    if (!reader.readUInt32(nExtra) || !reader.readBytes(qsizetype(nExtra), decoded.extra))
        return false;
    *this = std::move(decoded);
    return true;
}
