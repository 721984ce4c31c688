#include "brevio/display/AlarmTestDlg.h"

#include "brevio/display/Alarm.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/ColourStatic.h"

#include <QLabel>
#include <QLineEdit>

CAlarmTestDlg::CAlarmTestDlg(QWidget* pParent, const QString& strFind) : CBaseDialog(IDD, pParent), m_strFind(strFind)
{
    setWindowTitle(QStringLiteral("Alarm Test"));
    resize(400, 170);
    auto place = [](QWidget* w, int id, int x, int y, int cx, int cy) {
        if (id)
            SetDlgCtrlID(w, unsigned(id));
        w->setGeometry(x, y, cx, cy);
    };
    place(new QLabel(QStringLiteral("Find:"), this), 0, 10, 10, 60, 22);
    m_pFind = new QLineEdit(strFind, this);
    place(m_pFind, IDC_FIND, 70, 10, 320, 22);
    place(new QLabel(QStringLiteral("In:"), this), 0, 10, 40, 60, 22);
    m_pIn = new QLineEdit(this);
    place(m_pIn, IDC_IN, 70, 40, 320, 22);
    place(new QLabel(QStringLiteral("The test string (in) is always lower case"), this), IDC_NOTE, 70, 64, 320, 18);
    place(new QLabel(QStringLiteral("Result:"), this), 0, 10, 88, 60, 22);
    m_pResult = new CColourStatic(QStringLiteral("Result here"), this);
    m_pResult->SetCaptionColours();
    place(m_pResult, IDC_RESULT, 70, 88, 320, 22);
    auto* ok = new COXBitmapButton(this);
    ok->SetButtonText(QStringLiteral("OK"));
    place(ok, 1, 230, 130, 76, 28);
    auto* cancel = new COXBitmapButton(this);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    place(cancel, 2, 314, 130, 76, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pFind, &QLineEdit::textChanged, this, [this] { Evaluate(); });
    // The test text is lower case whatever is typed.
    connect(m_pIn, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int pos = m_pIn->cursorPosition();
        if (text != text.toLower()) {
            m_pIn->setText(text.toLower());
            m_pIn->setCursorPosition(pos);
        }
        Evaluate();
    });
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_FIND, 2, 0, 0, 0}, {IDC_IN, 2, 0, 0, 0},  {IDC_RESULT, 2, 0, 0, 0},
        {IDC_NOTE, 2, 0, 0, 0}, {1, 0, 0, 2, 2},       {2, 0, 0, 2, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CAlarmTestDlg::~CAlarmTestDlg() = default;

bool CAlarmTestDlg::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1)))
        ok->LoadBitmapResource(313, false, RGB(255, 0, 0));
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(255, 0, 0));
    m_pFind->setFocus();
    Evaluate();
    return true;
}

QString CAlarmTestDlg::Evaluate(const QString& strFind, const QString& strIn)
{
    QString matched;
    switch (CAlarm::MatchPattern(strFind, strIn, matched)) {
    case 1:
        return matched;
    case -1:
        return QStringLiteral("Invalid find string");
    default:
        return QStringLiteral("No match");
    }
}

void CAlarmTestDlg::Evaluate()
{
    m_pResult->setText(Evaluate(m_pFind->text(), m_pIn->text()));
}

QString CAlarmTestDlg::GetResultText() const
{
    return m_pResult->text();
}

void CAlarmTestDlg::OnOK()
{
    m_strFind = m_pFind->text();
    done(Accepted);
}
