#include "shell/ui/ShowOutcome.h"

#include "fs/Outcome.h"
#include "shell/DialogService.h"
#include "shell/Dialogs.h"

bool ShowOutcome(const Outcome& outcome) {
    for (const Outcome::Notice& notice : outcome.notices) {
        switch (notice.box) {
        case Outcome::Box::None:
            break;
        case Outcome::Box::Info:
        case Outcome::Box::Warning:
            Dialogs().Message(notice.text, notice.caption);
            break;
        case Outcome::Box::Error:
            Dialogs().Error(notice.text);
            break;
        case Outcome::Box::Question:
            return Dialogs().Question(notice.text, notice.caption);
        }
    }
    return true;
}
