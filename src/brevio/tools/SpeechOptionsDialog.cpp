#include "brevio/tools/SpeechOptionsDialog.h"

#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QTextToSpeech>
#include <QVBoxLayout>

namespace {
QString& EngineName()
{
    static QString name;
    return name;
}
} // namespace

void CSpeechOptionsDialog::SetEngineName(const QString& strName)
{
    EngineName() = strName;
}

CSpeechOptionsDialog::CSpeechOptionsDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    setWindowTitle(QStringLiteral("Speech Options"));
    SetFixedFrame();
    m_pVoice = new QComboBox(this);
    SetDlgCtrlID(m_pVoice, IDC_VOICE);
    m_pVoice->setMinimumWidth(220);
    auto makeSlider = [this](unsigned nId) {
        auto* slider = new QSlider(Qt::Horizontal, this);
        SetDlgCtrlID(slider, nId);
        slider->setTickPosition(QSlider::TicksBelow);
        return slider;
    };
    m_pRate = makeSlider(IDC_RATE);
    m_pVolume = makeSlider(IDC_VOLUME);

    auto* ok = new COXBitmapButton(this);
    ok->SetButtonText(QStringLiteral("OK"));
    SetDlgCtrlID(ok, 1);
    auto* cancel = new COXBitmapButton(this);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    SetDlgCtrlID(cancel, 2);
    for (COXBitmapButton* b : {ok, cancel})
        b->setFixedSize(76, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Voice:"), this), 0, 0);
    grid->addWidget(m_pVoice, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Rate:"), this), 1, 0);
    grid->addWidget(m_pRate, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Volume:"), this), 2, 0);
    grid->addWidget(m_pVolume, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

CSpeechOptionsDialog::~CSpeechOptionsDialog() = default;

bool CSpeechOptionsDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const QImage icon = artwork::icon(205);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1))) {
        ok->LoadBitmapResource(313, false, RGB(0, 0, 255));
        ok->SetLookFlag(true);
    }
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(0, 0, 255));

    // Without an engine the list stays empty; rate and volume still work.
    QString name = EngineName();
    const QStringList engines = QTextToSpeech::availableEngines();
    if (name.isEmpty() && engines.contains(QStringLiteral("flite")))
        name = QStringLiteral("flite");
    if (!engines.isEmpty() && (name.isEmpty() || engines.contains(name))) {
        m_pEngine = name.isEmpty() ? std::make_unique<QTextToSpeech>() : std::make_unique<QTextToSpeech>(name);
        if (m_pEngine->state() == QTextToSpeech::Error)
            m_pEngine.reset();
    }
    if (m_pEngine) {
        m_voices = m_pEngine->availableVoices();
        for (const QVoice& voice : std::as_const(m_voices))
            m_pVoice->addItem(voice.name());
        if (!m_voices.isEmpty())
            m_pVoice->setCurrentIndex(0);
    }

    m_pRate->setRange(-10, 10);
    m_pRate->setValue(0);
    m_pRate->setTickInterval(1);
    m_pVolume->setRange(0, 100);
    m_pVolume->setValue(100);
    m_pVolume->setTickInterval(5);
    return true;
}

void CSpeechOptionsDialog::OnOK()
{
    m_nVoice = m_pVoice->currentIndex();
    m_nRate = m_pRate->value();
    m_nVolume = m_pVolume->value();
    CBaseDialog::OnOK();
}
