#include "shared/edit/MaskModel.h"

#include <QLocale>

bool CMaskData::IsValidInput(QChar c) const
{
    const ushort u = c.unicode();
    const bool digit = u >= '0' && u <= '9';
    switch (m_nType) {
    case Digit:
        return digit;
    case AlphaNumeric:
        return digit || c.isLetter();
    case Alpha:
    case Upper:
    case Lower:
        return c.isLetter();
    case AnyChar:
        return u >= 32 && u <= 126;
    case Hex:
        return digit || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
    default:
        return false;
    }
}

QChar CMaskData::Converted(QChar c) const
{
    if (m_nType == Upper)
        return c.toUpper();
    if (m_nType == Lower)
        return c.toLower();
    return c;
}

MaskModel::MaskModel() = default;

void MaskModel::SetSeparators(QChar decimal, QChar thousands, QChar time, QChar date)
{
    m_separators[0] = decimal;
    m_separators[1] = thousands;
    m_separators[2] = time;
    m_separators[3] = date;
    for (CMaskData& d : m_positions)
        if (d.m_nType >= CMaskData::Decimal && d.m_nType <= CMaskData::Date)
            d.m_cChar = m_separators[d.m_nType];
}

static QChar firstSeparatorIn(const QString& format, QChar fallback)
{
    // The separator of a time or date format is its first character that is
    // neither a field letter nor a blank.
    for (QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    return fallback;
}

void MaskModel::UseLocaleSeparators()
{
    const QLocale locale;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    SetSeparators(decimal.isEmpty() ? QLatin1Char('.') : decimal.at(0),
                  group.isEmpty() ? QLatin1Char(',') : group.at(0),
                  firstSeparatorIn(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':')),
                  firstSeparatorIn(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/')));
}

void MaskModel::SetMask(const QString& mask)
{
    m_positions.clear();
    for (int i = 0; i < mask.size(); ++i) {
        CMaskData d;
        const QChar c = mask.at(i);
        switch (c.unicode()) {
        case '.': d.m_nType = CMaskData::Decimal; break;
        case ',': d.m_nType = CMaskData::Thousands; break;
        case ':': d.m_nType = CMaskData::Time; break;
        case '/': d.m_nType = CMaskData::Date; break;
        case '#': d.m_nType = CMaskData::Digit; break;
        case 'A': d.m_nType = CMaskData::AlphaNumeric; break;
        case '?': d.m_nType = CMaskData::Alpha; break;
        case '>': d.m_nType = CMaskData::Upper; break;
        case '<': d.m_nType = CMaskData::Lower; break;
        case '&': d.m_nType = CMaskData::AnyChar; break;
        case 'X': d.m_nType = CMaskData::Hex; break;
        case '\\':
            // A backslash with nothing after it stands for itself.
            if (i + 1 < mask.size()) {
                d.m_nType = CMaskData::Escaped;
                d.m_cChar = mask.at(++i);
            } else {
                d.m_nType = CMaskData::Literal;
                d.m_cChar = c;
            }
            break;
        default:
            d.m_nType = CMaskData::Literal;
            d.m_cChar = c;
            break;
        }
        if (d.IsInputPosition())
            d.m_cChar = m_cPrompt;
        else if (d.m_nType <= CMaskData::Date)
            d.m_cChar = m_separators[d.m_nType];
        m_positions.push_back(d);
    }
}

QString MaskModel::GetMask() const
{
    static const char kMaskChars[] = ".,:/#A?><&X";
    QString mask;
    for (const CMaskData& d : m_positions) {
        if (d.m_nType <= CMaskData::Hex)
            mask += QLatin1Char(kMaskChars[d.m_nType]);
        else if (d.m_nType == CMaskData::Escaped)
            mask += QLatin1Char('\\') + QString(d.m_cChar);
        else
            mask += d.m_cChar;
    }
    return mask;
}

bool MaskModel::IsInputPosition(int position) const
{
    return position >= 0 && position < Count() && At(position).IsInputPosition();
}

bool MaskModel::SetPromptChar(QChar prompt)
{
    const ushort u = prompt.unicode();
    if (u == 0 || u == 10 || u == 13 || u == 127)
        return false;
    for (CMaskData& d : m_positions)
        if (d.IsInputPosition() && d.m_cChar == m_cPrompt)
            d.m_cChar = prompt;
    m_cPrompt = prompt;
    return true;
}

QString MaskModel::GetInputText() const
{
    QString text;
    for (const CMaskData& d : m_positions)
        if (d.IsInputPosition())
            text += d.m_cChar;
    return text;
}

QString MaskModel::GetFormattedText() const
{
    QString text;
    text.reserve(Count());
    for (const CMaskData& d : m_positions)
        text += d.m_cChar;
    return text;
}

bool MaskModel::SetInputText(const QString& text, int start, bool raw)
{
    QString source = GetInputText().left(qMax(0, start));
    if (raw) {
        source += text;
    } else {
        QString cleaned = text;
        cleaned.remove(m_cPrompt);
        source += cleaned;
    }

    bool ok = true;
    int k = 0;
    for (CMaskData& d : m_positions) {
        if (!d.IsInputPosition())
            continue;
        if (k >= source.size()) {
            d.m_cChar = m_cPrompt;
            continue;
        }
        while (k < source.size()) {
            const QChar c = source.at(k++);
            if (c == m_cPrompt || d.IsValidInput(c)) {
                d.m_cChar = c == m_cPrompt ? c : d.Converted(c);
                break;
            }
            ok = false;
        }
    }
    return ok;
}

void MaskModel::ClearInput()
{
    for (CMaskData& d : m_positions)
        if (d.IsInputPosition())
            d.m_cChar = m_cPrompt;
}

bool MaskModel::IsInputEmpty() const
{
    for (const CMaskData& d : m_positions)
        if (d.IsInputPosition() && d.m_cChar != m_cPrompt)
            return false;
    return true;
}

int MaskModel::InputIndexFromPosition(int position) const
{
    if (!IsInputPosition(position))
        return -1;
    int index = 0;
    for (int p = 0; p < position; ++p)
        if (At(p).IsInputPosition())
            ++index;
    return index;
}

int MaskModel::PositionFromInputIndex(int index) const
{
    if (index < 0)
        return -1;
    for (int p = 0; p < Count(); ++p)
        if (At(p).IsInputPosition() && index-- == 0)
            return p;
    return -1;
}

int MaskModel::InputCount() const
{
    int n = 0;
    for (const CMaskData& d : m_positions)
        n += d.IsInputPosition() ? 1 : 0;
    return n;
}

int MaskModel::NextInputPosition(int position) const
{
    for (int p = qMax(0, position); p < Count(); ++p)
        if (At(p).IsInputPosition())
            return p;
    return Count();
}

int MaskModel::PreviousInputPosition(int position) const
{
    if (IsInputPosition(position))
        return position;
    // The caret rests just right of the nearest input position on the left.
    for (int p = qMin(position, Count()) - 1; p >= 0; --p)
        if (At(p).IsInputPosition())
            return p + 1;
    return NextInputPosition(position);
}

bool MaskModel::RangeHasInput(int start, int end) const
{
    for (int p = qMax(0, start); p < qMin(end, Count()); ++p)
        if (At(p).IsInputPosition())
            return true;
    return false;
}

int MaskModel::DeleteRange(int start, int end)
{
    QString kept;
    int removed = 0;
    for (int p = 0; p < Count(); ++p) {
        if (!At(p).IsInputPosition())
            continue;
        if (p >= start && p < end)
            ++removed;
        else
            kept += At(p).m_cChar;
    }
    if (removed > 0)
        SetInputText(kept, 0, true);
    return removed;
}

int MaskModel::InsertChar(QChar c, int position)
{
    const int at = NextInputPosition(position);
    const QString before = GetInputText();
    const int index = at < Count() ? InputIndexFromPosition(at) : before.size();
    QString chars = before;
    chars.insert(index, c);
    if (!SetInputText(chars, 0, true)) {
        SetInputText(before, 0, true);
        return -1;
    }
    return at;
}

int MaskModel::ReplaceChar(QChar c, int position)
{
    if (!IsInputPosition(position))
        return -1;
    CMaskData& d = m_positions[size_t(position)];
    if (c != m_cPrompt && !d.IsValidInput(c))
        return -1;
    d.m_cChar = c == m_cPrompt ? c : d.Converted(c);
    return position;
}

QString MaskModel::StripLiterals(const QString& given) const
{
    QString text = given;
    int removed = 0;
    int i = 0;
    while (i < Count() && i < text.size()) {
        if (At(i).IsInputPosition()) {
            ++i;
            continue;
        }
        int j = i;
        QString run;
        while (j < Count() && !At(j).IsInputPosition())
            run += At(j++).m_cChar;
        if (j < Count()) {
            const int at = i - removed;
            if (text.mid(at, run.size()) == run) {
                text.remove(at, run.size());
                removed += run.size();
            }
        }
        i = j;
    }
    return text;
}

MaskModel::Edit MaskModel::TypeChar(QChar c, int selStart, int selEnd, bool insertMode)
{
    Edit e;
    const QString before = GetInputText();
    int result;
    if (selStart == selEnd) {
        if (!IsInputPosition(selStart)) {
            e.rejected = true;
            e.caret = NextInputPosition(selStart);
            return e;
        }
        result = insertMode ? InsertChar(c, selStart) : ReplaceChar(c, selStart);
    } else {
        const int from = qMin(selStart, selEnd);
        const int to = qMax(selStart, selEnd);
        if (DeleteRange(from, to) == 0) {
            e.rejected = true;
            e.caret = NextInputPosition(from);
            return e;
        }
        result = InsertChar(c, from);
        if (result < 0)
            e.caret = from;
    }
    if (result < 0) {
        e.rejected = true;
        if (e.caret < 0)
            e.caret = selStart;
    } else {
        e.caret = result + 1;
    }
    e.changed = GetInputText() != before;
    return e;
}

MaskModel::Edit MaskModel::Backspace(int selStart, int selEnd)
{
    Edit e;
    const QString before = GetInputText();
    int from = qMin(selStart, selEnd);
    const int to = qMax(selStart, selEnd);
    if (from != to && DeleteRange(from, to) > 0) {
        e.caret = from;
        e.changed = GetInputText() != before;
        return e;
    }
    if (from <= 0)
        return e;
    for (int p = qMin(from, Count()) - 1; p >= 0; --p) {
        if (At(p).IsInputPosition()) {
            DeleteRange(p, p + 1);
            e.caret = p;
            break;
        }
    }
    e.changed = GetInputText() != before;
    return e;
}

MaskModel::Edit MaskModel::Delete(int selStart, int selEnd)
{
    Edit e;
    int from = qMin(selStart, selEnd);
    int to = qMax(selStart, selEnd);
    if (from == to)
        to = from + 1;
    // A range of literals slides right until it covers an input position.
    while (from < Count() && !RangeHasInput(from, to)) {
        ++from;
        ++to;
    }
    if (from >= Count())
        return e;
    const QString before = GetInputText();
    DeleteRange(from, to);
    e.caret = from;
    e.changed = GetInputText() != before;
    return e;
}

MaskModel::Edit MaskModel::Paste(const QString& pasted, int selStart, int selEnd)
{
    Edit e;
    const int from = qMin(selStart, selEnd);
    const int to = qMax(selStart, selEnd);
    const QString before = GetInputText();
    const QString shown = GetFormattedText();
    SetInputText(shown.left(from) + pasted + shown.mid(to), 0, false);
    e.caret = Count();
    for (int p = qMax(0, from); p < Count(); ++p) {
        if (At(p).IsInputPosition() && At(p).m_cChar == m_cPrompt) {
            e.caret = p;
            break;
        }
    }
    e.changed = GetInputText() != before;
    return e;
}
