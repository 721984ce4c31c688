#pragma once
// Answers the band and scan dialogs a test opens instead of running them
// modally: each dialog is shown (so it initialises), handed to the answer
// for its type, and ends with the answer's button.
#include "corvane/organisers/OrganiserModal.h"
#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"

#include <QList>
#include <functional>
#include <typeinfo>

namespace orgtest {

class ModalAnswers {
public:
    // The answer fills the dialog and returns true for OK, false for Cancel.
    template <class Dialog>
    void On(std::function<bool(Dialog&)> answer)
    {
        m_answers << Entry{[answer](CBaseDialog& d) -> int {
            auto* typed = dynamic_cast<Dialog*>(&d);
            if (!typed)
                return -1;
            return answer(*typed) ? 1 : 0;
        }};
    }

    ModalAnswers()
    {
        organisers::SetModalHook([this](CBaseDialog& dialog) {
            dialog.show();
            ++m_nRuns;
            for (const Entry& e : m_answers) {
                const int r = e.run(dialog);
                if (r < 0)
                    continue;
                if (r == 1)
                    dialog.OnOK();
                else
                    dialog.OnCancel();
                // A dialog that refused OK stays open: that is a cancel here.
                const bool accepted = !dialog.isVisible() && dialog.result() == QDialog::Accepted;
                dialog.hide();
                return accepted ? platform::IDOK : platform::IDCANCEL;
            }
            dialog.hide();
            return platform::IDCANCEL;
        });
    }
    ~ModalAnswers() { organisers::SetModalHook(nullptr); }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    int Runs() const { return m_nRuns; }

private:
    struct Entry {
        std::function<int(CBaseDialog&)> run;
    };
    QList<Entry> m_answers;
    int m_nRuns = 0;
};

} // namespace orgtest
