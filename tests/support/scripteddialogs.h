#pragma once
// A dialogs service for tests: answers from a script, records every box it was shown, and
// acts on each form it is asked to show as the script says, without waiting on anything.

#include "platform/dialogs.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tsl::test {

struct shownprompt {
    std::string prompt;
    std::string title;
    std::string defaultanswer;
    inputecho echo = inputecho::normal;
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
    // The pages that printpage printed, and how many it was asked for (printed or not).
    struct printedpage {
        std::vector<std::string> rows;
        int fontsize;
        papersize paper;
    };
    std::vector<printedpage> pages;
    int pagerequests = 0;

    // What the operator does in each of the next forms, in order, while the form shows as
    // the active modal window; and the names of the forms shown.
    std::deque<std::function<void(QWidget*)>> forms;
    std::vector<std::string> formsshown;

    // A form with nothing scripted for it, or one its script leaves open, fails the test and
    // is closed at once: the test never hangs on it. So does a script no form used.
    int showform(QDialog& form) override {
        formsshown.push_back(form.objectName().toStdString());
        if (forms.empty()) {
            ADD_FAILURE() << "the form " << formsshown.back() << " opened with no script";
            return QDialog::Rejected;
        }
        const auto act = std::move(forms.front());
        forms.pop_front();
        form.open();
        act(&form);
        if (form.isVisible()) {
            ADD_FAILURE() << "the script left the form " << formsshown.back() << " open";
            form.reject();
        }
        return form.result();
    }
    ~ScriptedDialogs() override {
        if (!forms.empty()) ADD_FAILURE() << forms.size() << " scripted form(s) never opened";
    }

    // The answers of the next input boxes (nothing, or none left: Cancel), and those shown.
    std::deque<std::optional<std::string>> inputs;
    std::vector<shownprompt> prompts;

    std::optional<std::string> inputbox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultanswer,
                                        inputecho echo = inputecho::normal) override {
        prompts.push_back({prompt, title, defaultanswer, echo});
        if (inputs.empty()) return std::nullopt;
        auto a = inputs.front();
        inputs.pop_front();
        return a;
    }

    // The file names the file dialogs proposed, in order.
    std::vector<std::string> proposednames;

    std::optional<std::string> choosefile(const std::string&, const std::string& proposedname,
                                          bool) override {
        proposednames.push_back(proposedname);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }

    printresult printlines(const std::vector<std::string>& lines, int) override {
        if (printanswer == printresult::printed) printed.push_back(lines);
        return printanswer;
    }

    printresult printpage(const std::vector<std::string>& rows, int fontsize,
                          papersize paper) override {
        ++pagerequests;
        if (printanswer == printresult::printed) pages.push_back({rows, fontsize, paper});
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
