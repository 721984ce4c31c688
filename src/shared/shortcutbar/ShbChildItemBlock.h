#pragma once
// The data block a dragged shortcut-bar item carries in the "Shortcut bar
// child window item" format: the text with its terminating zero, the item
// data, up to two image entries (kind 0 the large, 1 the small image list)
// and the parent's extra bytes; integers 32-bit little-endian, no padding.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

struct CShbChildItemBlock {
    struct Image {
        uint32_t nKind = 0;
        QByteArray blob;
    };

    QString strText;
    uint32_t nItemData = 0;
    std::vector<Image> images;
    QByteArray extra;

    QByteArray Encode() const;
    // Reads a block from any source; FALSE (and nothing taken) when a length
    // or count does not fit the block. Nothing is ever read past its end.
    bool Decode(const QByteArray& block);
};
