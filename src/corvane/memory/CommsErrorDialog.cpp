#include "corvane/memory/CommsErrorDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <cstdlib>

namespace {
std::function<void(int)>& exitHandler()
{
    static std::function<void(int)> handler = [](int code) { std::_Exit(code); };
    return handler;
}

// A serial plug with a broken lead: our own picture for the dialog.
QPixmap brokenLinkPicture()
{
    QPixmap pixmap(64, 48);
    pixmap.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    p.setBrush(QColor(0x90, 0xA0, 0xB0));
    p.drawRoundedRect(QRectF(4, 14, 18, 20), 3, 3);
    p.drawRoundedRect(QRectF(42, 14, 18, 20), 3, 3);
    p.drawLine(QPointF(22, 24), QPointF(28, 24));
    p.drawLine(QPointF(36, 24), QPointF(42, 24));
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 3));
    p.drawLine(QPointF(29, 15), QPointF(35, 33));
    return pixmap;
}
} // namespace

CCommsErrorDialog::CCommsErrorDialog(QWidget* pParent, CCatLink* pLink)
    : QDialog(pParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_pLink(pLink ? pLink : (GetRadioApp() ? &GetRadioApp()->GetCatLink() : nullptr))
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Communications Error"));
    auto* picture = new QLabel(this);
    picture->setPixmap(brokenLinkPicture());
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* text = new QLabel(Text(), this);
    text->setWordWrap(true);
    auto* quit = new QPushButton(QStringLiteral("Quit Program"), this);
    SetDlgCtrlID(quit, kQuitProgramId);
    quit->setAutoDefault(false);
    connect(quit, &QPushButton::clicked, this, &CCommsErrorDialog::OnQuitProgram);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(quit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    setMinimumWidth(360);
}

CCommsErrorDialog::~CCommsErrorDialog() = default;

QString CCommsErrorDialog::Text()
{
    return QStringLiteral("A communications error has occurred. The program is trying to re-establish the "
                          "connection with your FT-817.\n\nTo quit this program now, click 'Quit Program'.");
}

void CCommsErrorDialog::SetExitHandler(std::function<void(int)> handler)
{
    exitHandler() = handler ? std::move(handler) : [](int code) { std::_Exit(code); };
}

int CCommsErrorDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CCommsErrorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_bStarted) {
        m_bStarted = true;
        setWindowTitle(QStringLiteral("Communications Error"));
        m_timer.start(kRetryMs, this);
    }
}

void CCommsErrorDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        Retry();
    else
        QDialog::timerEvent(event);
}

void CCommsErrorDialog::Retry()
{
    m_timer.stop();
    setWindowTitle(QStringLiteral("Communications Error <=>"));
    uint8_t status = 0;
    if (m_pLink && m_pLink->ReadTxStatus(status)) {
        done(Accepted);
        return;
    }
    m_timer.start(kRetryMs, this);
    setWindowTitle(QStringLiteral("Communications Error"));
}

void CCommsErrorDialog::OnQuitProgram()
{
    exitHandler()(0);
}

void CCommsErrorDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape is the cancel command, which this dialog does not have.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CCommsErrorDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
