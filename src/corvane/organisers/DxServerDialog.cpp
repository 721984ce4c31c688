#include "corvane/organisers/DxServerDialog.h"

#include "platform/Prompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

CDxServerDialog::CDxServerDialog(QWidget* pParent, const QString& strHost) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("DX-Spot Server"));
    auto* text = new QLabel(QStringLiteral("Enter the host name of the DX-spot web server (a port may follow "
                                           "after ':'), then press 'OK'."),
                            this);
    text->setWordWrap(true);
    m_pEdit = new QLineEdit(strHost, this);
    m_pEdit->setPlaceholderText(QStringLiteral("dxspots.example.org"));
    m_pEdit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    m_pOk->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // OK only for something that can be a server's name.
    auto check = [this] { m_pOk->setEnabled(!GetHost().isEmpty()); };
    connect(m_pEdit, &QLineEdit::textChanged, this, check);
    check();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Host:"), this));
    row->addWidget(m_pEdit, 1);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

CDxServerDialog::~CDxServerDialog() = default;

int CDxServerDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

QString CDxServerDialog::GetHost() const
{
    return ToHost(m_pEdit->text());
}

QString CDxServerDialog::ToHost(const QString& strTyped)
{
    QString host = strTyped.trimmed();
    if (host.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        host = host.mid(7);
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    if (host.isEmpty())
        return {};
    // The pages' addresses are built on it: it must make one, and add
    // nothing but a host and a port to it.
    const QUrl url(QStringLiteral("http://") + host + QStringLiteral("/dxs/"), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || url.path() != QLatin1String("/dxs/") ||
        url.hasQuery() || url.hasFragment())
        return {};
    return host;
}
