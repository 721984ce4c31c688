#pragma once
// The DX-spot pages: the 29 pages of the DX-spot server, and the cutting of
// a page's preformatted block into spots by fixed character columns.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

class CDxSpotPage {
public:
    struct Page {
        const char* pName;
        const char* pPath;
    };
    static constexpr int kPageCount = 29;
    static const Page* Pages();
    static QStringList PageNames();
    // The path of the page with exactly that name; empty for none.
    static QString PathOf(const QString& strName);
    // "http://<host><path>"; the host may carry a port ("host:8080").
    static QString Address(const QString& strHost, const QString& strPath);
    static QString HomePath() { return QStringLiteral("/dxs/"); }

    // One spot as the list shows it.
    struct Spot {
        QString strDx;
        QString strFrequency;
        QString strTime;
        QString strSpotter;
        QString strComment;
        bool operator==(const Spot&) const = default;
    };
    struct Parsed {
        QString strCaption;  // the last "<H4>" heading; empty when there was none
        QList<Spot> spots;
    };

    // Up to nCount characters from position nFirst (empty when the line is
    // shorter), blanks trimmed on both sides.
    static QString GetCell(const QString& strLine, int nFirst, int nCount);
    // The spot of one line of the preformatted block.
    static Spot ParseSpotLine(const QString& strLine);
    // The heading and the spots of a page.
    static Parsed ParseLines(const QStringList& lines);
    // The frequency to tune to, in Hz, from a "Frequency" cell in kHz
    // ("7012.5" is 7012500); FALSE above 500000 kHz.
    static bool FrequencyToHz(const QString& strFrequency, uint32_t& nHz);
};
