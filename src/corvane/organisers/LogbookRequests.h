#pragma once
// The records the logbook's dialogs hand to the logbook view with a sent
// registered message (lParam = the record's address). They stay the
// sender's and live only for the call.
#include <QString>
#include <ctime>

// RegisteredMessage::nMsgLogbookAdd
struct CLogbookRequest {
    QString strCallsign;
    QString strComment;
    QString strFrequency;
    QString strMode;
    QString strPower;
    QString strSignal;
    QString strDateTime;   // the sender's own display text; not stored
    int nDone = 0;         // 1 once the entry is stored
    std::tm utc{};         // as gmtime gives it; all zero when never set
};

// RegisteredMessage::nMsgLogbookSort: keys 2 and 3 may be empty.
struct CLogbookSortRequest {
    QString strKey[3];
    int bAscending[3] = {0, 0, 0};
};

// RegisteredMessage::nMsgLogbookFilter: an empty caption 2 or 3 leaves that
// condition out; the remove flag removes the filter and ignores the rest.
struct CLogbookFilterRequest {
    QString strCaption[3];
    QString strValue[3];
    int bExact[3] = {0, 0, 0};
    int bRemove = 0;
};
