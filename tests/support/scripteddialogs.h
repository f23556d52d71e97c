#pragma once
// A dialogs service for tests: answers from a script, records every box it was shown.

#include "platform/dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace tsl::test {

struct shownbox {
    std::string text;
    msgbuttons buttons;
    msgicon icon;
    std::string title;
};

class ScriptedDialogs : public Dialogs {
  public:
    // The next answers, in order; when none is left a box answers its first button.
    std::deque<msganswer> answers;
    std::vector<shownbox> shown;

    msganswer msgbox(const std::string& text, msgbuttons buttons, msgicon icon,
                     const std::string& title) override {
        shown.push_back({text, buttons, icon, title});
        if (!answers.empty()) {
            const msganswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == msgbuttons::yesno || buttons == msgbuttons::yesnocancel ? msganswer::yes
                                                                                  : msganswer::ok;
    }
};

} // namespace tsl::test
