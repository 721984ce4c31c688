#include "shared/TextToSpeech.h"

#include "platform/Prompter.h"
#include "shared/StringEx.h"

#include <QTextToSpeech>
#include <mutex>

namespace {
const char* const kPhonetic[26] = {
    "Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India",
    "Juliet", "Kilo",
    // Spelled so that the engine says it the way operators do.
    "Leema", "Mike", "November", "Oscar", "Papa", "Quebec", "Romeo", "Sierra", "Tango",
    "Uniform", "Victor", "Whiskey", "X-ray", "Yankee", "Zulu"};

std::mutex g_engineMutex;
QString g_engineName;
} // namespace

CTextToSpeech::CTextToSpeech() = default;

CTextToSpeech::CTextToSpeech(QWidget* pOwner)
{
    Initialise(pOwner);
}

CTextToSpeech::~CTextToSpeech()
{
    try {
        if (m_pEngine)
            m_pEngine->stop();
        m_pEngine.reset();
    } catch (...) {
    }
}

void CTextToSpeech::SetEngineName(const QString& strName)
{
    std::lock_guard lock(g_engineMutex);
    g_engineName = strName;
}

const char* CTextToSpeech::PhoneticWord(QChar letter)
{
    const char16_t c = letter.toLower().unicode();
    return c >= u'a' && c <= u'z' ? kPhonetic[c - u'a'] : nullptr;
}

void CTextToSpeech::Fail(const QString& strReason)
{
    m_bFailed = true;
    m_strError = QStringLiteral("Text-to-speech error: ") + strReason + QStringLiteral("\n \n") +
                 QStringLiteral("For information about Text-to-speech select the \"Microsoft\" entry ") +
                 QStringLiteral("in the \"Help\" menu, then select \"Text-to-Speech\".");
}

void CTextToSpeech::Initialise(QWidget* pOwner)
{
    m_pOwner = pOwner;
    m_pEngine.reset();
    m_bFailed = false;
    m_bComStarted = false;
    m_strError.clear();

    QString name;
    {
        std::lock_guard lock(g_engineMutex);
        name = g_engineName;
    }
    const QStringList engines = QTextToSpeech::availableEngines();
    if (name.isEmpty() && engines.contains(QStringLiteral("flite")))
        name = QStringLiteral("flite");
    m_bComStarted = true;
    if (engines.isEmpty() || (!name.isEmpty() && !engines.contains(name))) {
        Fail(QStringLiteral("No speech engine is installed."));
        return;
    }
    auto engine = name.isEmpty() ? std::make_unique<QTextToSpeech>() : std::make_unique<QTextToSpeech>(name);
    if (engine->state() == QTextToSpeech::Error) {
        Fail(QStringLiteral("The speech engine \"%1\" could not be started.").arg(name));
        return;
    }
    m_pEngine = std::move(engine);
}

void CTextToSpeech::ShowError(QWidget* pWindow) const
{
    if (m_bFailed)
        platform::messageBox(pWindow, m_strError, QStringLiteral("Initialization"), platform::MB_ICONERROR);
}

QString CTextToSpeech::SpellText(const QString& strText, bool bSpell, bool bPhonetic)
{
    if (!bSpell && !bPhonetic)
        return strText;
    QStringList words;
    CStringEx(strText).Split(' ', words);
    for (QString& word : words) {
        bool letter = false;
        bool digit = false;
        for (int i = 0; i < word.size() && !(letter && digit); ++i) {
            letter = letter || word[i].isLetter();
            digit = digit || word[i].isDigit();
        }
        if (!(letter && digit))
            continue;
        QString spelled;
        for (QChar c : word) {
            const char* phonetic = bPhonetic && c.isLetter() ? PhoneticWord(c) : nullptr;
            spelled += phonetic ? QString::fromLatin1(phonetic) + QStringLiteral(", ")
                                : QString(c.toUpper()) + QStringLiteral(", ");
        }
        while (!spelled.isEmpty() && spelled.back().isSpace())
            spelled.chop(1);
        word = spelled;
    }
    return CStringArrayEx(words).Join(QStringLiteral(" "));
}

void CTextToSpeech::Speak(const QString& strText, bool bSpell, bool bPhonetic)
{
    if (!m_pEngine)
        return;
    m_strLastSpoken = SpellText(strText, bSpell, bPhonetic);
    // say() drops whatever is still being spoken.
    m_pEngine->say(m_strLastSpoken);
}
