#include "platform/Prompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

class InteractivePrompter final : public Prompter {
public:
    int messageBox(QWidget* parent, const QString& text, const QString& caption, int style) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(caption);
        box.setText(text);
        switch (style & 0xF0) {
        case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
        case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
        case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        struct B { QMessageBox::StandardButton button; int answer; };
        QList<B> buttons;
        switch (style & 0x0F) {
        case MB_OKCANCEL: buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
        case MB_ABORTRETRYIGNORE:
            buttons = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
            break;
        case MB_YESNOCANCEL:
            buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
            break;
        case MB_YESNO: buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
        case MB_RETRYCANCEL: buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
        default: buttons = {{QMessageBox::Ok, IDOK}}; break;
        }
        for (const B& b : buttons)
            box.addButton(b.button);
        const int def = (style & 0xF00) >> 8;
        if (def < buttons.size())
            box.setDefaultButton(buttons[def].button);
        box.exec();
        const auto clicked = box.standardButton(box.clickedButton());
        for (const B& b : buttons)
            if (b.button == clicked)
                return b.answer;
        // Closed by the window's own button: what Escape means for the set.
        for (const B& b : buttons)
            if (b.answer == IDCANCEL || b.answer == IDNO)
                return b.answer;
        return buttons.first().answer;
    }

    QString openFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                         QString* selectedFilter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter, selectedFilter);
    }

    QStringList openFileNames(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                              QString* selectedFilter) override
    {
        return QFileDialog::getOpenFileNames(parent, caption, folder, filter, selectedFilter);
    }

    QString saveFileName(QWidget* parent, const QString& caption, const QString& path, const QString& filter,
                         QString* selectedFilter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, path, filter, selectedFilter);
    }

    QString existingFolder(QWidget* parent, const QString& caption, const QString& folder) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, folder);
    }

    std::optional<QColor> colour(QWidget* parent, const QColor& initial, const QString& caption) override
    {
        const QColor c = QColorDialog::getColor(initial, parent, caption);
        if (!c.isValid())
            return std::nullopt;
        return c;
    }

    std::optional<QFont> font(QWidget* parent, const QFont& initial, const QString& caption) override
    {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, initial, parent, caption);
        if (!ok)
            return std::nullopt;
        return f;
    }
};

InteractivePrompter g_interactive;
Prompter* g_prompter = &g_interactive;

} // namespace

Prompter& Prompter::instance() { return *g_prompter; }
void Prompter::setInstance(Prompter* prompter) { g_prompter = prompter ? prompter : &g_interactive; }

int messageBox(QWidget* parent, const QString& text, const QString& caption, int style)
{
    return Prompter::instance().messageBox(parent, text, caption, style);
}

int errorBox(QWidget* parent, const QString& description, const QString& reason)
{
    const QString text = reason.isEmpty() ? description : QStringLiteral("%1 -\n%2").arg(description, reason);
    return messageBox(parent, text, QStringLiteral("Error"), MB_OK | MB_ICONERROR);
}

} // namespace platform
