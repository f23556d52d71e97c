#pragma once
// A dialogs service for tests: answers from a script, records every box it was shown.

#include "platform/dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tsl::test {

struct shownprompt {
    std::string prompt;
    std::string title;
    std::string defaultanswer;
};

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

    // The files the next file dialogs choose (nothing: cancelled), and what was printed.
    std::deque<std::optional<std::string>> files;
    std::vector<std::vector<std::string>> printed;
    printresult printanswer = printresult::printed;

    // The answers of the next input boxes (nothing, or none left: Cancel), and those shown.
    std::deque<std::optional<std::string>> inputs;
    std::vector<shownprompt> prompts;

    std::optional<std::string> inputbox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultanswer) override {
        prompts.push_back({prompt, title, defaultanswer});
        if (inputs.empty()) return std::nullopt;
        auto a = inputs.front();
        inputs.pop_front();
        return a;
    }

    std::optional<std::string> choosefile(const std::string&, const std::string&, bool) override {
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }

    printresult printlines(const std::vector<std::string>& lines, int) override {
        if (printanswer == printresult::printed) printed.push_back(lines);
        return printanswer;
    }

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
