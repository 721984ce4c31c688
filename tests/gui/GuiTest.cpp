#include "GuiTest.h"

#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <iostream>
#include <mutex>

namespace {

// Channel 1's transmit pane (control 1056 of form 137) open, as an operator
// leaves it once used.
const QString kTxPaneShown = QStringLiteral("00000089 00000420 00000000");

GuiTest* g_current = nullptr;

QString SafeName(QString name)
{
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('_') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return name;
}

} // namespace

// A picture of the display at a test's first failing check, while the
// screen still shows what went wrong.
class GuiFailureShots : public ::testing::EmptyTestEventListener {
public:
    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        if (result.failed() && g_current)
            g_current->ShootFailure();
    }
};

void GuiTest::SetUp()
{
    static std::once_flag listening;
    std::call_once(listening, [] { ::testing::UnitTest::GetInstance()->listeners().Append(new GuiFailureShots); });
    g_current = this;
    // Named now: while a failure is being reported gtest holds the lock
    // that its current_test_info() takes.
    if (const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info())
        m_name = SafeName(QString::fromUtf8(info->test_suite_name()) + QLatin1Char('.') + QString::fromUtf8(info->name()));
    m_boxLogs = std::make_unique<QTemporaryDir>(testsupport::rootFolder() + QStringLiteral("/boxes-XXXXXX"));
    m_x = std::make_unique<XServer>(ScreenSize());
    m_input = std::make_unique<XInput>(*m_x);
    ASSERT_TRUE(m_x->Start()) << m_x->ErrorText().toStdString();
    ASSERT_TRUE(m_x->SetLayout(QStringLiteral("us"))) << m_x->ErrorText().toStdString();
}

void GuiTest::TearDown()
{
    // Read while a box nobody expected is still on the screen.
    ExpectNoUnexpectedBoxes();
    // The programs go before their display.
    m_brevio.reset();
    m_corvane.reset();
    m_radio.reset();
    g_current = nullptr;
}

void GuiTest::ShootFailure()
{
    if (m_shot || !m_x || !m_x->IsRunning())
        return;
    m_shot = true;
    const QString name = m_name.isEmpty() ? QStringLiteral("unknown") : m_name;
    const QString folder = testsupport::buildDir() + QStringLiteral("/gui-failures");
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    const QString error = Screenshot(path);
    if (error.isEmpty())
        std::cout << "The display at the first failure: " << path.toStdString() << std::endl;
    else
        std::cout << "No picture of the display at the first failure: " << error.toStdString() << std::endl;
}

QString GuiTest::Screenshot(const QString& path)
{
    if (!m_x || !m_x->IsRunning())
        return QStringLiteral("no X server");
    QString output;
    if (!m_x->Run(QString::fromUtf8(XSHOT_PROGRAM), {path}, &output, 10000))
        return QStringLiteral("xshot failed: ") + output.trimmed();
    return QFileInfo(path).size() > 0 ? QString() : QStringLiteral("xshot wrote nothing");
}

QString GuiTest::DemoRecording(QString* error)
{
    // One recording per build folder, shared by every test: written beside
    // it and renamed into place, so parallel tests never read half a file.
    const QString path = testsupport::buildDir() + QStringLiteral("/gui-demo.wav");
    const QFileInfo program(QString::fromUtf8(PSKDEMO_PROGRAM));
    const QFileInfo recording(path);
    if (recording.exists() && recording.size() > 0 && recording.lastModified() >= program.lastModified())
        return path;
    const QString partial = path + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
    QProcess maker;
    maker.setProcessChannelMode(QProcess::MergedChannels);
    maker.start(program.filePath(), {partial});
    if (!maker.waitForFinished(StartMs()) || maker.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("pskdemo failed: ") + QString::fromLocal8Bit(maker.readAll());
        QFile::remove(partial);
        return {};
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path) && !QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("cannot put the recording at ") + path;
        return {};
    }
    QFile::remove(partial);
    return path;
}

ProgramProcess& GuiTest::Brevio()
{
    if (!m_brevio) {
        m_brevio = std::make_unique<ProgramProcess>(QString::fromUtf8(BREVIO_PROBED_PROGRAM),
                                                    QStringLiteral("PSK31 Brevio"), QStringLiteral("BREVIO_DATA_DIR"));
        m_brevio->SetStoredValue(kTxPaneShown, 1);
    }
    return *m_brevio;
}

bool GuiTest::StartBrevio(const QStringList& arguments, const QString& recording)
{
    if (!LaunchBrevio(arguments, recording))
        return false;
    if (!WaitUntilActive(m_brevioProbe, StartMs()) || !Brevio().IsRunning()) {
        ADD_FAILURE() << "PSK31 Brevio's main window did not come up active: " << m_brevioProbe.Ask(QStringLiteral("main")).toStdString()
                      << "\n" << Brevio().Diagnostics().toStdString();
        return false;
    }
    return true;
}

bool GuiTest::LaunchBrevio(const QStringList& arguments, const QString& recording)
{
    QString error;
    const QString sound = recording.isEmpty() ? DemoRecording(&error) : recording;
    if (sound.isEmpty()) {
        ADD_FAILURE() << error.toStdString();
        return false;
    }
    ProgramProcess& brevio = Brevio();
    if (!brevio.Start({{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                       {QStringLiteral("DISPLAY"), m_x->Display()},
                       {QStringLiteral("BREVIO_AUTOSTART"), QStringLiteral("1")},
                       {QStringLiteral("PSKMODEM117_SOUNDCARD_FILE"), sound},
                       {QStringLiteral("BREVIO_PROBE"), m_brevioProbe.Name()},
                       {QStringLiteral("PROBE_SHOW_BOXES"), QStringLiteral("1")},
                       {QStringLiteral("PROBE_BOX_LOG"), BoxLog(m_brevioProbe)}},
                      QStringList{QStringLiteral("-nologo")} + arguments)) {
        ADD_FAILURE() << "PSK31 Brevio did not start: " << brevio.Diagnostics().toStdString();
        return false;
    }
    return true;
}

testsupport::Simulator& GuiTest::Radio()
{
    if (!m_radio)
        m_radio = std::make_unique<testsupport::Simulator>();
    return *m_radio;
}

bool GuiTest::StartCorvane(const QMap<QString, QVariant>& stored)
{
    testsupport::Simulator& radio = Radio();
    if (!radio.isRunning()) {
        ADD_FAILURE() << "the simulated radio did not start: " << radio.errorText().toStdString();
        return false;
    }
    m_corvane = std::make_unique<CorvaneProcess>(
        QString::fromUtf8(CORVANE_PROBED_PROGRAM), radio.portPath(),
        QMap<QString, QString>{{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                               {QStringLiteral("DISPLAY"), m_x->Display()},
                               {QStringLiteral("CORVANE_PROBE"), m_corvaneProbe.Name()},
                               {QStringLiteral("PROBE_SHOW_BOXES"), QStringLiteral("1")},
                               {QStringLiteral("PROBE_BOX_LOG"), BoxLog(m_corvaneProbe)}},
        stored);
    if (!m_corvane->WaitUntilServing(StartMs())) {
        ADD_FAILURE() << "FT-817 Corvane does not serve the radio: " << m_corvane->Diagnostics().toStdString();
        return false;
    }
    if (!WaitUntilActive(m_corvaneProbe, WaitMs())) {
        ADD_FAILURE() << "FT-817 Corvane's main window did not come up active: "
                      << m_corvaneProbe.Ask(QStringLiteral("main")).toStdString() << "\n"
                      << m_corvane->Diagnostics().toStdString();
        return false;
    }
    return true;
}

bool GuiTest::WaitFor(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QThread::msleep(50);
    }
    return true;
}

bool GuiTest::WaitUntilActive(ProbeClient& probe, int ms)
{
    return WaitFor([&] {
        const QString main = probe.Ask(QStringLiteral("main"), 2000);
        return main.endsWith(QLatin1String("|active=1")) && !main.contains(QLatin1String("|hidden|"));
    }, ms);
}

QPoint GuiTest::CentreOf(ProbeClient& probe, const QString& spec)
{
    // What the operator goes for may still be on its way to the screen.
    QRect r;
    WaitFor([&] {
        r = ParseRect(probe.Ask(QStringLiteral("locate ") + spec));
        return r.isValid();
    });
    return r.isValid() ? r.center() : QPoint();
}

bool GuiTest::HasFocus(ProbeClient& probe, const QString& spec)
{
    const QRect widget = ParseRect(probe.Ask(QStringLiteral("locate ") + spec));
    const QStringList focus = probe.Ask(QStringLiteral("focus")).split(QLatin1Char('|'));
    if (!widget.isValid() || focus.size() < 4)
        return false;
    const QStringList r = focus[3].split(QLatin1Char(','));
    return r.size() == 4 && QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt()) == widget;
}

bool GuiTest::FocusOn(ProbeClient& probe, const QString& spec)
{
    if (HasFocus(probe, spec))
        return true;
    if (!ClickOn(probe, spec))
        return false;
    if (!WaitFor([&] { return HasFocus(probe, spec); })) {
        ADD_FAILURE() << "a click on " << spec.toStdString() << " did not give it the keyboard; the focus is on "
                      << probe.Ask(QStringLiteral("focus")).toStdString();
        return false;
    }
    return true;
}

bool GuiTest::ClickOn(ProbeClient& probe, const QString& spec, int button, int count)
{
    const QPoint at = CentreOf(probe, spec);
    if (at.isNull()) {
        ADD_FAILURE() << "nothing on the screen matches " << spec.toStdString();
        return false;
    }
    if (!m_input->Click(at, button, count)) {
        ADD_FAILURE() << m_input->ErrorText().toStdString();
        return false;
    }
    return true;
}

QString GuiTest::BoxLog(const ProbeClient& probe) const
{
    return m_boxLogs->filePath(&probe == &m_corvaneProbe ? QStringLiteral("corvane.log") : QStringLiteral("brevio.log"));
}

QList<GuiTest::Box> GuiTest::Boxes(ProbeClient& probe)
{
    QList<Box> boxes;
    QMap<QString, qsizetype> index;
    QFile log(BoxLog(probe));
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
        return boxes;
    const auto decoded = [](const QString& field) { return QUrl::fromPercentEncoding(field.toLatin1()); };
    for (const QByteArray& line : log.readAll().split('\n')) {
        const QStringList f = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (f.size() == 5 && f[0] == QLatin1String("shown")) {
            index.insert(f[1], boxes.size());
            boxes.append({f[1], f[2], decoded(f[3]), decoded(f[4]), {}, false});
        } else if (f.size() == 3 && f[0] == QLatin1String("answered") && index.contains(f[1])) {
            Box& box = boxes[index.value(f[1])];
            box.answer = decoded(f[2]);
            box.answered = true;
        }
    }
    return boxes;
}

bool GuiTest::Matches(const Box& box, const QString& caption, const QString& textPart)
{
    return box.caption == caption && box.text.contains(textPart);
}

bool GuiTest::Expected(const ProbeClient& probe, const Box& box) const
{
    for (const ExpectedBox& e : m_expectedBoxes)
        if ((!e.probe || e.probe == &probe) && Matches(box, e.caption, e.textPart))
            return true;
    return false;
}

void GuiTest::ExpectBox(ProbeClient& probe, const QString& caption, const QString& textPart)
{
    m_expectedBoxes.append({&probe, caption, textPart});
}

void GuiTest::ExpectBox(const QString& caption, const QString& textPart)
{
    m_expectedBoxes.append({nullptr, caption, textPart});
}

std::optional<GuiTest::Box> GuiTest::AnswerBox(ProbeClient& probe, const QString& caption, const QString& textPart,
                                               const QString& keys)
{
    ExpectBox(probe, caption, textPart);
    const auto open = [&]() -> std::optional<Box> {
        for (const Box& box : Boxes(probe))
            if (!box.answered && Matches(box, caption, textPart))
                return box;
        return std::nullopt;
    };
    std::optional<Box> box;
    // Shown and with the keyboard: the program's active window is a modal
    // one of that caption.
    const bool ready = WaitFor([&] {
        box = open();
        return box && probe.Ask(QStringLiteral("modal")) != QLatin1String("none") &&
               probe.Ask(QStringLiteral("focus")).section(QLatin1Char('|'), 2, 2) == caption;
    });
    if (!ready) {
        QStringList shown;
        for (const Box& b : Boxes(probe))
            shown << b.caption + QStringLiteral(": ") + b.text + (b.answered ? QStringLiteral(" (") + b.answer + QLatin1Char(')') : QStringLiteral(" (shown)"));
        ADD_FAILURE() << "no box \"" << caption.toStdString() << "\" saying \"" << textPart.toStdString()
                      << "\" waits for an answer" << (box ? " with the keyboard: " + probe.Ask(QStringLiteral("focus")).toStdString() : std::string())
                      << "; the boxes: " << shown.join(QStringLiteral(" || ")).toStdString();
        return std::nullopt;
    }
    if (!m_input->Key(keys)) {
        ADD_FAILURE() << m_input->ErrorText().toStdString();
        return std::nullopt;
    }
    const QString id = box->id;
    const bool answered = WaitFor([&] {
        for (const Box& b : Boxes(probe))
            if (b.id == id && b.answered) {
                box = b;
                return true;
            }
        return false;
    });
    if (!answered) {
        ADD_FAILURE() << "the box \"" << caption.toStdString() << ": " << box->text.toStdString() << "\" stays after "
                      << keys.toStdString();
        return std::nullopt;
    }
    return box;
}

void GuiTest::ExpectNoUnexpectedBoxes()
{
    for (ProbeClient* probe : {&m_brevioProbe, &m_corvaneProbe}) {
        const char* program = probe == &m_corvaneProbe ? "FT-817 Corvane" : "PSK31 Brevio";
        for (const Box& box : Boxes(*probe)) {
            if (Expected(*probe, box) || m_toldBoxes.contains(box.id))
                continue;
            m_toldBoxes << box.id;
            ADD_FAILURE() << program << " showed a box the test did not expect (" << box.kind.toStdString() << "): \""
                          << box.caption.toStdString() << "\" saying \"" << box.text.toStdString() << "\", "
                          << (box.answered ? "answered " + box.answer.toStdString() : std::string("still shown"))
                          << " (declare it with ExpectBox or AnswerBox where the test expects it)";
        }
    }
}

bool GuiTest::OpenSuperBrowser(bool txPanel)
{
    ProbeClient& probe = m_brevioProbe;
    // F7 hides it again once it shows.
    const bool shown = ParseRect(probe.Ask(QStringLiteral("locate CSuperView"))).isValid();
    if (!shown && !m_input->Key(QStringLiteral("F7"))) {
        ADD_FAILURE() << m_input->ErrorText().toStdString();
        return false;
    }
    if (!WaitFor([&] { return ParseRect(probe.Ask(QStringLiteral("locate CSuperView"))).isValid(); })) {
        ADD_FAILURE() << "F7 did not show the Super Browser: " << probe.Ask(QStringLiteral("geometry")).toStdString();
        return false;
    }
    if (!txPanel)
        return true;
    const QString panel = QStringLiteral("CSuperView>CTxTextWindow");
    if (ParseRect(probe.Ask(QStringLiteral("locate ") + panel)).isValid())
        return true;
    // The "Show / hide the TX window" button.
    if (!ClickOn(probe, QStringLiteral("CSuperView>#1182")))
        return false;
    if (!WaitFor([&] { return ParseRect(probe.Ask(QStringLiteral("locate ") + panel)).isValid(); })) {
        ADD_FAILURE() << "the Super Browser's transmit panel did not show: " << probe.Ask(QStringLiteral("geometry")).toStdString();
        return false;
    }
    return true;
}

bool GuiTest::TuneSuperBrowser(int hz)
{
    const QStringList at = m_brevioProbe.Ask(QStringLiteral("browser-point %1").arg(hz)).split(QLatin1Char(' '));
    if (at.size() != 2) {
        ADD_FAILURE() << "no point for " << hz << " Hz on the Super Browser: " << at.join(QLatin1Char(' ')).toStdString();
        return false;
    }
    if (!m_input->Click(QPoint(at[0].toInt(), at[1].toInt()))) {
        ADD_FAILURE() << m_input->ErrorText().toStdString();
        return false;
    }
    return true;
}

bool GuiTest::ChooseMenu(ProbeClient& probe, const QString& path)
{
    const auto menus = [&] {
        int open = 0;
        for (const Window& w : ParseGeometry(probe.Ask(QStringLiteral("geometry"))))
            open += w.className == QLatin1String("QMenu") && w.state != QLatin1String("hidden");
        return open;
    };
    const QStringList items = path.split(QStringLiteral(" > "));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const int before = menus();
        if (!ClickOn(probe, QStringLiteral("action:") + items[i]))
            return false;
        if (i + 1 < items.size() && !WaitFor([&] { return menus() > before; })) {
            ADD_FAILURE() << items[i].toStdString() << " opened no menu: " << probe.Ask(QStringLiteral("geometry")).toStdString();
            return false;
        }
    }
    return true;
}

void GuiTest::ExpectRow(const std::string& row, bool passed, const QString& detail, const char* knownDefect)
{
    if (knownDefect && !passed)
        std::cout << "[known defect] " << row << ": " << detail.toStdString() << std::endl;
    if (knownDefect)
        EXPECT_FALSE(passed) << row << " passes now, though marked with the known defect \"" << knownDefect
                             << "\": the defect is mended, take the mark off";
    else
        EXPECT_TRUE(passed) << row << ": " << detail.toStdString();
}

QList<GuiTest::Window> GuiTest::ParseGeometry(const QString& answer)
{
    QList<Window> windows;
    for (const QString& entry : answer.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = entry.split(QLatin1Char('|'));
        if (f.size() < 4)
            continue;
        const QStringList r = f[2].split(QLatin1Char(','));
        if (r.size() != 4)
            continue;
        windows.append({f[0], f[1], QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt()), f[3]});
    }
    return windows;
}

QRect GuiTest::ParseRect(const QString& answer)
{
    const QStringList f = answer.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.size() != 4)
        return {};
    return QRect(f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toInt());
}

QString GuiTest::Unescape(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar c = text[++i];
        out += c == QLatin1Char('n') ? QChar(u'\n') : c == QLatin1Char('t') ? QChar(u'\t')
             : c == QLatin1Char('r') ? QChar(u'\r') : c;
    }
    return out;
}
