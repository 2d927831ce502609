// The desktop host's dialogs driven through their widgets give the kernel the same lines as the
// reference host's script runner given the same actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <map>
#include <sstream>

#include "Host/HostScript.h"
#include "StudioSupport.h"

namespace {

struct SameLinesCase {
    const char* name;
    UINT command;
    std::vector<std::string> actions;  // dialog commands of a session script
    friend void PrintTo(const SameLinesCase& c, std::ostream* os) { *os << c.name; }
};

// What the kernel received, then the lines the record kept for the command gives now (a dialog that
// computes in place, as the probability calculator, sends nothing itself).
std::vector<std::string> SentAndKept(const HostApp& host, UINT command) {
    std::vector<std::string> lines = KernelLines(host);
    lines.push_back("-- kept:");
    if (const CGUIBaseObj* record = host.FindRecord(command)) {
        CCmdList kept;
        record->GetCommandInfoList(kept);
        for (const auto& line : kept)
            lines.push_back(line.GetCommand().ToUtf8());
    }
    return lines;
}

std::vector<std::string> ScriptLines(const SameLinesCase& c) {
    std::ostringstream out;
    std::ostringstream err;
    HostApp host(out);
    host.LoadModule();
    std::string script = "data \"" + ExampleData() + "\"\nmenu " + std::to_string(c.command) + "\n";
    for (const std::string& a : c.actions)
        script += a + "\n";
    std::istringstream in(script);
    ScriptRunner::Options options;
    options.name = c.name;
    ScriptRunner runner(host, in, err, options);
    EXPECT_EQ(runner.RunScript(), 0) << err.str();
    return SentAndKept(host, c.command);
}

std::vector<std::string> WidgetLines(const SameLinesCase& c) {
    StudioFixture f;
    RunInWindow(f.session, c.command, [&](DialogWindow& window) {
        for (const std::string& a : c.actions)
            if (!window.Dialog().IsEnded())
                PlayOnWidgets(window, a);
    });
    return SentAndKept(f.session.Host(), c.command);
}

class SameLines : public ::testing::TestWithParam<SameLinesCase> {};

TEST_P(SameLines, AsTheScriptRunner) {
    const SameLinesCase& c = GetParam();
    const auto expected = ScriptLines(c);
    ASSERT_GT(expected.size(), 1u);
    EXPECT_EQ(WidgetLines(c), expected);
}

// One dialog of each kind: plain, composite (tab pages), with a distribution manager's controls.
INSTANTIATE_TEST_SUITE_P(
    Dialogs, SameLines,
    ::testing::Values(
        SameLinesCase{"plain_lists_edit_save_file",
                      1039,
                      {"select 1004 Visitors Rainfall", "click 1001", "text 1002 12", "check 1006 1",
                       "text 1007 acf.tvz", "ok"}},
        SameLinesCase{"plain_refused_then_fixed", 1039, {"text 1002 0", "ok", "text 1002 7", "ok"}},
        SameLinesCase{"plain_double_click_drag_context",
                      1039,
                      {"dblclick 1004 Visitors", "drag 1008 Sales to 0", "select 1004 Rainfall",
                       "context 1004 33001", "drag 1004 Temperature to 1008", "ok"}},
        SameLinesCase{"plain_reset_button", 1039, {"text 1002 3", "click 3", "ok"}},
        SameLinesCase{"composite_pages",
                      1060,
                      {"select 4741 Visitors Rainfall", "click 4732", "check 4735 1", "text 4736 90",
                       "page 1", "check 4775 1", "text 4776 4", "page 2", "page 0", "ok"}},
        // The first page refuses OK until a variable is chosen: the preview turns the dialog to it and
        // back, and the page asked for is the one shown.
        SameLinesCase{"composite_first_page_refusing",
                      1070,
                      {"page 1", "check 1226 1", "text 1228 500", "page 0", "select 5131 Sales Visitors",
                       "click 5124", "ok"}},
        SameLinesCase{"distribution_manager",
                      1056,
                      {"combo 50000 Normal", "text 50011 2", "radio 3922", "text 3931 1.96", "ok",
                       "radio 3935", "ok", "cancel"}}),
    [](const auto& param) { return std::string(param.param.name); });

// The preview shows, while the dialog is open, the lines that OK then sends; and it leaves the record
// and the controls as they were.
struct PreviewCase {
    const char* name;
    UINT command;
    std::vector<std::string> actions;
    friend void PrintTo(const PreviewCase& c, std::ostream* os) { *os << c.name; }
};

class Preview : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(Preview, IsWhatOkSends) {
    const PreviewCase& c = GetParam();
    StudioFixture f;
    QString preview;
    RunInWindow(f.session, c.command, [&](DialogWindow& window) {
        for (const std::string& a : c.actions)
            PlayOnWidgets(window, a);
        preview = window.PreviewText();
        PlayOnWidgets(window, "ok");
        EXPECT_TRUE(window.Dialog().IsEnded());
    });
    QStringList sent;
    for (const std::string& line : KernelLines(f.session.Host()))
        sent << QString::fromStdString(line);
    EXPECT_EQ(preview, sent.join('\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, Preview,
    ::testing::Values(
        PreviewCase{"defaults", 1039, {}},
        PreviewCase{"changed_lag_and_file", 1039, {"text 1002 9", "check 1006 1", "text 1007 out"}},
        PreviewCase{"composite", 1060, {"check 4735 1", "text 4736 80", "page 1", "check 4775 1"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PreviewState, LeavesColourAndRecordUntouched) {
    StudioFixture f;
    RunInWindow(f.session, 1039, [&](DialogWindow& window) {
        PlayOnWidgets(window, "text 1002 0");
        // The preview says why OK would be refused, without colouring the edit or writing the status bar.
        EXPECT_TRUE(window.PreviewText().startsWith("(OK would be refused now: Enter a number in [1"))
            << window.PreviewText().toStdString();
        const CTKCtrl& lag = window.Dialog().Ctrl(1002);
        EXPECT_EQ(lag.m_color, kColorWhite);
        EXPECT_TRUE(window.StatusText().isEmpty());
        PlayOnWidgets(window, "ok");
        EXPECT_EQ(lag.m_color, kColorInvalid);
        EXPECT_FALSE(window.StatusText().isEmpty());
        EXPECT_NE(qobject_cast<QLineEdit*>(window.Widget(1002))->styleSheet(), QString());
        // Corrected: the mark and the message go at once, not at the next OK; the value is stored for
        // the preview into the record and taken out again.
        PlayOnWidgets(window, "text 1002 9");
        EXPECT_NE(window.PreviewText().indexOf("LAG = 9"), -1);
        EXPECT_EQ(lag.m_color, kColorWhite);
        EXPECT_EQ(qobject_cast<QLineEdit*>(window.Widget(1002))->styleSheet(), QString());
        EXPECT_TRUE(window.StatusText().isEmpty()) << window.StatusText().toStdString();
        PlayOnWidgets(window, "cancel");
    });
    EXPECT_TRUE(KernelLines(f.session.Host()).empty());
    // Cancel after the previews: the record keeps its default lag.
    CCmdList lines;
    f.session.Host().FindRecord(1039)->GetCommandInfoList(lines);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().GetCommand().Find(L"LAG"), -1);
}

// A power dialog opens with values that fail their ranges: the enabled fields among them are marked
// and the status line says what the mark means; the disabled ones, which no check reaches, carry no
// mark, in the dialog's controls as on the screen, also once a choice disables a marked field.
TEST(PreviewState, OnlyReachableFieldsShowALoadedValueOutOfRange) {
    StudioFixture f;
    RunInWindow(f.session, 1030, [&](DialogWindow& window) {
        const auto marked = [&](bool enabled) {
            int count = 0;
            for (UINT id : window.Dialog().GetCtrlIDs())
                if (auto* edit = qobject_cast<QLineEdit*>(window.Widget(id));
                    edit && window.Dialog().Ctrl(id).m_bEnabled == enabled) {
                    const bool white = window.Dialog().Ctrl(id).m_color == kColorWhite;
                    EXPECT_EQ(edit->styleSheet().isEmpty(), white) << id;
                    count += white ? 0 : 1;
                }
            return count;
        };
        EXPECT_GT(marked(true), 0);
        EXPECT_EQ(marked(false), 0);
        EXPECT_TRUE(window.StatusText().contains("pink")) << window.StatusText().toStdString();
        // A sample size refused by OK, then disabled by the choice of estimate, loses its mark.
        for (const char* step : {"text 3866 1", "text 3862 1", "radio 3879", "text 3754 0", "ok"})
            PlayOnWidgets(window, step);
        EXPECT_NE(window.Dialog().Ctrl(3754).m_color, kColorWhite);
        PlayOnWidgets(window, "radio 3881");
        EXPECT_TRUE(!window.Dialog().Ctrl(3754).m_bEnabled && marked(false) == 0);
        PlayOnWidgets(window, "cancel");
    });
}

// The starting configuration of scaling is typed as a matrix, a row on each line; the kernel receives
// what the script runner sends for the same rows ended by ";".
TEST(MatrixEdit, RowsOnLinesOfTheirOwn) {
    const std::vector<std::string> setup{"select 3002 Sales Visitors Rainfall", "click 2984", "page 1",
                                         "radio 2989"};
    SameLinesCase script{"matrix", 1012, setup};
    script.actions.insert(script.actions.end(), {"text 2987 \"1 2.5;-3 4;0.5 1\"", "ok"});
    const auto expected = ScriptLines(script);
    ASSERT_TRUE(std::any_of(expected.begin(), expected.end(),
                            [](const std::string& line) { return line.rfind("CONFIG ", 0) == 0; }));
    StudioFixture f;
    RunInWindow(f.session, 1012, [&](DialogWindow& window) {
        for (const std::string& a : setup)
            PlayOnWidgets(window, a);
        auto* matrix = qobject_cast<QPlainTextEdit*>(window.Widget(2987));
        ASSERT_NE(matrix, nullptr);
        matrix->setFocus();
        for (const char* row : {"1 2.5", "-3 4", "0.5 1"}) {
            QTest::keyClicks(matrix, row);
            QTest::keyClick(matrix, Qt::Key_Return);
        }
        PlayOnWidgets(window, "ok");
    });
    EXPECT_EQ(SentAndKept(f.session.Host(), 1012), expected);
}

// A record kept from other data: the dialog drops what the data lacks while it opens, and its
// window's status line says so.
TEST(StatusLine, SaysWhatTheDialogDroppedWhileOpening) {
    StudioFixture f;
    f.session.Host().Data().Synthetic(3, 30);
    RunInWindow(f.session, 1039, [](DialogWindow& window) {
        for (const char* a : {"select 1004 V3", "click 1001", "ok"})
            PlayOnWidgets(window, a);
    });
    f.session.Host().Data().Synthetic(2, 30);
    f.session.TakeStatus();
    RunInWindow(f.session, 1039, [](DialogWindow& window) {
        EXPECT_EQ(window.StatusText(), "Dropped 1 variable the data does not have: V3");
        PlayOnWidgets(window, "cancel");
    });
}

// While dragging, a list takes the drop only where the dialog would move something.
TEST(Drag, CursorFollowsTheDialog) {
    struct Case {
        const char* selected;  // in the list dragged from
        UINT from;
        UINT over;
        bool accepted;
    };
    const Case cases[] = {
        {"Visitors", 1004, 1008, true},   // a new variable to the selected ones
        {"Sales", 1004, 1008, false},     // already there
        {"Visitors", 1004, 1004, false},  // onto itself
        {"Sales", 1008, 1004, true},      // back out of the selected ones
    };
    for (const Case& c : cases) {
        StudioFixture f;
        RunInWindow(f.session, 1039, [&](DialogWindow& window) {
            PlayOnWidgets(window, std::string("select ") + std::to_string(c.from) + " " + c.selected);
            auto& from = dynamic_cast<VariableList&>(*window.Widget(c.from));
            std::unique_ptr<QMimeData> drag(from.DragData({CString::FromUtf8(c.selected)}));
            EXPECT_EQ(dynamic_cast<VariableList&>(*window.Widget(c.over)).AcceptsDrop(drag.get()), c.accepted)
                << c.selected << " " << c.from << " over " << c.over;
            PlayOnWidgets(window, "cancel");
        });
    }
}

// The probability calculator draws its plots in the dialog once it has computed.
TEST(Picture, ShownAfterCompute) {
    StudioFixture f;
    RunInWindow(f.session, 1056, [&](DialogWindow& window) {
        // Its room is there from the start: the window does not jump at the first compute.
        const QSize before = window.size();
        EXPECT_TRUE(window.Picture()->pixmap().isNull());
        for (const char* a : {"combo 50000 Normal", "radio 3922", "text 3931 1.5", "ok"})
            PlayOnWidgets(window, a);
        ASSERT_FALSE(window.Dialog().IsEnded());
        EXPECT_FALSE(window.Picture()->isHidden());
        EXPECT_GT(window.Picture()->pixmap().width(), 100);
        EXPECT_EQ(window.size().height(), before.height());
        QTest::qWait(5);
        EXPECT_FALSE(window.Body()->verticalScrollBar()->isVisible());
        EXPECT_FALSE(window.Body()->horizontalScrollBar()->isVisible());
        QDir().mkpath(QString(DLGSTAT1_BUILD_DIR) + "/studio-screenshots");
        EXPECT_TRUE(window.grab().save(QString(DLGSTAT1_BUILD_DIR) +
                                       "/studio-screenshots/probability-normal-cf.png"));
        PlayOnWidgets(window, "cancel");
    });
}

}  // namespace

namespace {

// The keyboard alone: Enter presses OK, Escape Cancel, an accelerator takes the focus to its field,
// and Tab goes through the controls in the dialog's order, past the disabled ones.
UINT FocusedControl(DialogWindow& window) {
    for (UINT id : window.Dialog().GetCtrlIDs())
        if (QWidget* w = window.Widget(id); w && w->hasFocus())
            return id;
    return 0;
}

void Activate(DialogWindow& window) {
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(Keyboard, EnterIsOkEscapeIsCancel) {
    struct Case {
        Qt::Key key;
        bool sent;
    };
    for (const Case& c :
         {Case{Qt::Key_Return, true}, Case{Qt::Key_Enter, true}, Case{Qt::Key_Escape, false}}) {
        StudioFixture f;
        RunInWindow(f.session, 1039, [&](DialogWindow& window) {
            Activate(window);
            window.Widget(1002)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), c.key);
            EXPECT_TRUE(window.Dialog().IsEnded());
        });
        EXPECT_EQ(!KernelLines(f.session.Host()).empty(), c.sent) << c.key;
    }
}

// Each variable of the data shows its type beside its name, the same mark for the same type; the
// item's text stays the name. Lists of other things (distributions) have no marks.
TEST(Lists, ShowEachVariablesType) {
    for (UINT command : {1066u, 1002u}) {
        StudioFixture f;
        RunInWindow(f.session, command, [&](DialogWindow& window) {
            std::map<QString, QImage> markOf;  // by the item's text
            for (const QListWidget* list : window.findChildren<QListWidget*>())
                for (int i = 0; i < list->count(); ++i) {
                    const QListWidgetItem* item = list->item(i);
                    const QString type = item->data(Qt::AccessibleDescriptionRole).toString();
                    if (item->text() == "Region" || item->text() == "Sales" || item->text() == "Gamma") {
                        EXPECT_EQ(type, item->text() == "Region"  ? "string variable"
                                        : item->text() == "Sales" ? "numeric variable"
                                                                  : "");
                        markOf[item->text()] = item->icon().pixmap(16).toImage();
                    }
                }
            EXPECT_EQ(markOf.count("Gamma") && markOf["Gamma"].isNull(), command == 1002);
            if (command == 1066) {
                EXPECT_TRUE(!markOf["Sales"].isNull() && markOf["Sales"] != markOf["Region"]);
            }
            PlayOnWidgets(window, "cancel");
        });
    }
}

// Text typed or pasted into a field may hold no control character, as a script's word may not: the
// field keeps what it held, the status line says which character, and the session records no step.
TEST(Keyboard, ControlCharactersRefused) {
    struct Case {
        const char* pasted;
        const char* shown;
    };
    for (const Case& c : {Case{"a\u2028b", "\\u2028"}, Case{"a\tb", "\\t"}, Case{"x\u0085", "\\u0085"},
                          Case{"\x1B", "\\x1B"}}) {
        StudioFixture f;
        RunInWindow(f.session, 1039, [&](DialogWindow& window) {
            PlayOnWidgets(window, "check 1006 1");
            auto* file = static_cast<QLineEdit*>(window.Widget(1007));
            const QString before = file->text();
            QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
            file->selectAll();
            file->paste();
            EXPECT_EQ(file->text(), before);
            EXPECT_EQ(window.Dialog().Ctrl(1007).m_strText, FromQString(before));
            EXPECT_TRUE(window.StatusText().contains(QString("a control character (%1)").arg(c.shown)))
                << window.StatusText().toStdString();
            PlayOnWidgets(window, "cancel");
        });
        EXPECT_EQ(f.session.Script().Text({}).find("text 1007"), std::string::npos) << c.shown;
    }
}

// A number edit takes only what may become a number: letters typed into it go nowhere.
TEST(Keyboard, NumberEditsTakeOnlyNumbers) {
    StudioFixture f;
    RunInWindow(f.session, 1039, [&](DialogWindow& window) {
        auto* lag = qobject_cast<QLineEdit*>(window.Widget(1002));
        lag->selectAll();
        QTest::keyClicks(lag, "1a2.5");
        EXPECT_EQ(lag->text(), "125");
        EXPECT_EQ(window.Dialog().Ctrl(1002).m_strText, L"125");
        PlayOnWidgets(window, "cancel");
    });
    RunInWindow(f.session, 1056, [&](DialogWindow& window) {
        auto* value = qobject_cast<QLineEdit*>(window.Widget(3931));
        value->selectAll();
        QTest::keyClicks(value, "-1.5xe-3");
        EXPECT_EQ(value->text(), "-1.5e-3");
        PlayOnWidgets(window, "cancel");
    });
}

TEST(Keyboard, AcceleratorAndTabOrder) {
    StudioFixture f;
    RunInWindow(f.session, 1039, [&](DialogWindow& window) {
        Activate(window);
        // "Maximum &lag:" takes Alt+L to its edit.
        window.Widget(1004)->setFocus();
        QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
        EXPECT_EQ(FocusedControl(window), 1002u);
        window.Widget(1004)->setFocus();
        std::vector<UINT> visited;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(FocusedControl(window));
        }
        // Add and Remove are disabled, the file edit too while its check is off.
        EXPECT_EQ(visited, (std::vector<UINT>{1008, 1002, 1006, 1, 2, 3}));
        PlayOnWidgets(window, "cancel");
    });
}

}  // namespace

namespace {

// The layout a template's order gives: "S" a row of its own, "L:F" a label and its field, "[S > T +A -R]"
// a list block, "(A B)" the captions of the picture, then the bottom buttons, the controls never shown
// and the statics that title lists.
std::string PlanText(const DialogPlan& plan) {
    std::string out;
    for (const LayoutRow& r : plan.rows) {
        if (r.kind == LayoutRow::Kind::Single)
            out += std::to_string(r.ids[0]);
        else if (r.kind == LayoutRow::Kind::Labelled)
            out += std::to_string(r.ids[0]) + ":" + std::to_string(r.ids[1]);
        else if (r.kind == LayoutRow::Kind::PictureCaptions)
            out += "(" + std::to_string(r.ids[0]) + " " + std::to_string(r.ids.back()) + ")";
        else {
            out += "[" + std::to_string(r.ids[0]);
            for (const LayoutRow::Target& t : r.targets)
                out += " > " + std::to_string(t.list) + " +" + std::to_string(t.add) + " -" +
                       std::to_string(t.remove);
            out += "]";
        }
        out += " ";
    }
    out += "| buttons";
    for (UINT id : plan.buttons)
        out += " " + std::to_string(id);
    out += " | hidden";
    for (UINT id : plan.hidden)
        out += " " + std::to_string(id);
    if (!plan.listTitles.empty())
        out += " | titles";
    for (const auto& [list, title] : plan.listTitles)
        out += " " + std::to_string(list) + "<" + std::to_string(title);
    return out;
}

TEST(Layout, FromTheTemplateOrder) {
    struct Case {
        UINT command;
        std::string expected;
    };
    const Case cases[] = {
        // A list pair with its buttons, labelled edits, a save-file pair; the context-menu label hidden.
        {1039, "[1004 > 1008 +1001 -1005] 1003:1002 1006:1007 | buttons 1 2 3 | hidden 1009"},
        // The distribution manager's controls at the placeholder (which stands left of its combo), then
        // each parameter's label with its edit, then the parameters' "From file" checks (shown for a
        // matrix only); the plots' captions share a row (their template hint).
        {1056,
         "1573:50000 50031:50011 50032:50012 50033:50013 50034:50014 50035:50015 50036:50016 50051 50052 "
         "50053 50054 50055 50056 3928 3922 "
         "3935 3930 3932:3931 3934:3933 (3936 3937) 3938 | buttons 1 2 | hidden"},
        // A page of a composite: four target lists of one source, each titled by the static before it.
        {1080,
         "5171 5157 [5162 > 5182 +5155 -5174 > 5178 +5153 -5172 > 5184 +5156 -5175 > 5180 +5154 -5173] "
         "5168:5167 5164:5163 5170:5169 5166:5165 5161:5160 5159:5158 | buttons | hidden 5185 | titles "
         "5178<35 5180<37 5182<34 5184<36"},
    };
    for (const Case& c : cases) {
        StudioFixture f;
        RunInWindow(f.session, c.command, [&](DialogWindow& window) {
            EXPECT_EQ(PlanText(PlanDialog(window.Dialog().GetActiveControlsDialog())), c.expected)
                << c.command;
        });
    }
}

}  // namespace

// Every tab carries its page's title from the start, not only once the page has been shown.
TEST(Tabs, TitledBeforeTheirPagesAreShown) {
    StudioFixture f;
    f.session.Host().Data().Synthetic(3, 30);
    RunInWindow(f.session, 1060, [](DialogWindow& window) {
        QTabWidget* tabs = window.Tabs();
        ASSERT_NE(tabs, nullptr);
        ASSERT_GT(tabs->count(), 1);
        const CGUIBaseDlg& dlg = window.Dialog();
        for (int i = 0; i < tabs->count(); ++i) {
            EXPECT_FALSE(dlg.GetPageCaption(i).IsEmpty()) << i;
            EXPECT_EQ(tabs->tabText(i), QString::fromStdString(dlg.GetPageCaption(i).ToUtf8())) << i;
        }
        PlayOnWidgets(window, "cancel");
    });
}
