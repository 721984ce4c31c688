#pragma once
// How a list of tags (the Tags bar, the Super Browser's tags pane) takes the
// values typed into it. Other tags take every keystroke. A locator tag takes
// what is typed only once it is kept: with Enter, when it is a locator, and
// when the edit ends, when anything that is no locator gives back the value
// the tag last took and the operator is told why. So nothing half typed
// reaches the logbook or the tags file, and a refused value loses nothing.
#include <QObject>
#include <QString>
#include <functional>

class CEditableListCtrl;

class CTagValueKeeper : public QObject {
    Q_OBJECT
public:
    // channel: the channel whose values the list shows (-1 the common ones).
    CTagValueKeeper(CEditableListCtrl* pList, std::function<int()> channel);

    // Whether a row's text goes to the store as it stands: not while a
    // locator is being typed into it.
    static bool TakesTyping(const CEditableListCtrl& list, int nRow);

signals:
    // A kept value has become the tag's value.
    void Taken();
    // A value was refused; what the operator is told.
    void Refused(const QString& strText);

private:
    void Keep(int nRow, int nColumn, bool bEditEnded);

    CEditableListCtrl* m_pList;
    std::function<int()> m_channel;
};
