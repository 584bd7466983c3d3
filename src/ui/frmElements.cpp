// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmElements.h"

#include "WindowFonts.h"
#include "platform/ErrorReporting.h"
#include "platform/RuntimeServices.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace {
// Positions and sizes are given in twips: 15 to a pixel at 96 dots per inch. Qt's high-dpi
// scaling takes device-independent pixels on from there.
constexpr int kTwipsPerPixel = 15;

// A window read from right to left is mirrored as its desktop's programs are: each control's
// place is reflected about its parent's centre line.
void Place(QWidget* widget, int left, int top, int width, int height) {
    QRect place(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                height / kTwipsPerPixel);
    if (widget->isRightToLeft())
        place.moveRight(widget->parentWidget()->width() - 1 - place.left());
    widget->setGeometry(place);
}

template <typename Widget> Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

namespace {
// Each cover box and the record box it lies over.
struct Covering {
    Box cover;
    Box record;
};
constexpr std::array kCoverings{Covering{Box::txtSymbol1, Box::txtSymbol},
                                Covering{Box::txtElement1, Box::txtElement}};

// Assistive technology sees the window as a window, named by its title, not as a plain pane.
QAccessibleInterface* WindowInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("frmElements"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}
} // namespace

frmElements::frmElements(ElementDatabase& database, RuntimeServices& runtime, QWidget* parent)
    : QWidget(parent)
    , runtime_(runtime)
    , quiz_(*this, database, runtime) {
    static const bool windowRoleInstalled = [] {
        QAccessible::installFactory(WindowInterface);
        return true;
    }();
    Q_UNUSED(windowRoleInstalled);
    setObjectName(QStringLiteral("frmElements"));
    setWindowTitle(tr("Elements"));
    setFixedSize(9600 / kTwipsPerPixel, 7260 / kTwipsPerPixel);
    BuildControls();
    // The face that draws every caption, in whatever language, as it is written; the message
    // boxes, windows of their own, take the application's.
    QString captions;
    for (const QWidget* control : findChildren<QWidget*>()) {
        const auto* frame = qobject_cast<const QGroupBox*>(control);
        captions += frame ? frame->title() : control->property("text").toString();
    }
    QApplication::setFont(
        WindowFont(kWindowPointSize, devicePixelRatioF(), captions, database.Language().Code()));
    setFont(QApplication::font());
    RouteEvents();
    ReachEverythingByKeyAndEar();
    // The window's load: the start-up state, and the focus in the answer box.
    Dispatch([this] { quiz_.state.StartUp(); });
    BoxControl(Box::txtAnswer)->setFocus();
}

void frmElements::BuildControls() {
    // Created bottom-most first, so that each cover box lies above the record box it covers.
    const auto label = [this](const char* name, const QString& caption, int left, int top,
                              int width) {
        Place(Named(new QLabel(caption, this), QString::fromLatin1(name)), left, top, width, 255);
    };
    label("lblAtomicNumber", tr("Atomic Number"), 3840, 3360, 1095);
    label("lblSymbol", tr("Symbol"), 3840, 3720, 1095);
    label("lblElement", tr("Element Name"), 3840, 4080, 1095);
    label("lblAtomicMass", tr("Atomic Mass"), 3840, 4440, 1095);
    label("lblAnswer", tr("Answer"), 4200, 5280, 615);
    auto* lblName = Named(new QLabel(tr("Created by Orvashel"), this), QStringLiteral("lblName"));
    Place(lblName, 5640, 6840, 3735, 255);
    lblName->setFont(SignatureFont(lblName->text(), lblName->height()));

    const auto textBox = [this](Box box, int left, int top, int width) {
        auto* edit = Named(new QLineEdit(this), ControlName(box));
        edit->setMaxLength(std::numeric_limits<int>::max());
        Place(edit, left, top, width, 285);
        boxes_[static_cast<int>(box)] = edit;
        return edit;
    };
    const auto readOnlyBox = [&](Box box, int left, int top, int width) {
        QLineEdit* edit = textBox(box, left, top, width);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        return edit;
    };
    readOnlyBox(Box::txtAtomicNumber, 5040, 3210, 975);
    readOnlyBox(Box::txtSymbol, 5040, 3600, 735);
    readOnlyBox(Box::txtElement, 5040, 3960, 975);
    readOnlyBox(Box::txtAtomicMass, 5040, 4320, 735);
    textBox(Box::txtAnswer, 5040, 5160, 1335);

    const auto button = [this](const char* name, const QString& caption, int left, int top) {
        auto* push = Named(new QPushButton(caption, this), QString::fromLatin1(name));
        // Enter activates the focused button, as Space does.
        push->setAutoDefault(true);
        Place(push, left, top, 975, 375);
        return push;
    };
    cmdSpin_ = button("cmdSpin", tr("Spin"), 2280, 5160);
    cmdCheck_ = button("cmdCheck", tr("Check"), 6600, 5160);
    cmdCheck_->setDefault(true);

    const auto frame = [this](const char* name, const QString& caption, int left, int top,
                              int width, int height) {
        auto* group = Named(new QGroupBox(caption, this), QString::fromLatin1(name));
        Place(group, left, top, width, height);
        return group;
    };
    const auto option = [this](QGroupBox* group, Option which, const QString& caption, int top,
                               int width) {
        auto* radio = Named(new QRadioButton(caption, group), ControlName(which));
        radio->setFocusPolicy(Qt::NoFocus);
        Place(radio, 240, top, width, 255);
        options_[static_cast<int>(which)] = radio;
    };
    QGroupBox* frame1 = frame("Frame1", tr("Step 1"), 600, 480, 2055, 1215);
    option(frame1, Option::optName, tr("Guess the Name"), 720, 1695);
    option(frame1, Option::optSymbol, tr("Guess the Symbol"), 360, 1695);
    QGroupBox* frame2 = frame("Frame2", tr("Step 2"), 4080, 480, 4935, 1935);
    option(frame2, Option::opt1to36, tr("Elements 1 to 36"), 360, 2655);
    option(frame2, Option::opt1to38, tr("Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80"), 720,
           3855);
    option(frame2, Option::opt1to95,
           tr("Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95"), 1080, 4455);
    option(frame2, Option::opt1to103, tr("Elements 1 to 103"), 1440, 2175);
    OptionControl(Option::optSymbol)->setChecked(true);
    OptionControl(Option::opt1to36)->setChecked(true);

    // Each cover has the rectangle of the record box it covers; start-up shows one of them.
    readOnlyBox(Box::txtSymbol1, 5040, 3600, 735)->hide();
    readOnlyBox(Box::txtElement1, 5040, 3960, 975)->hide();

    cmdExit_ = button("cmdExit", tr("Exit"), 4560, 6120);

    setTabOrder(BoxControl(Box::txtAnswer), cmdCheck_);
    setTabOrder(cmdCheck_, cmdSpin_);
    setTabOrder(cmdSpin_, cmdExit_);
}

void frmElements::RouteEvents() {
    // Whatever selects an option (a click, its key, assistive technology's action, setChecked)
    // runs its handler once, after Qt has cleared the rest of its frame. Selecting the option
    // already selected changes nothing and runs nothing.
    const auto onSelected = [this](Option option, const std::function<void()>& handler) {
        connect(OptionControl(option), &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                Dispatch(handler);
        });
    };
    for (QuizMode mode : kQuizModes)
        onSelected(OptionOf(mode), [this, mode] { quiz_.state.OnModeClicked(mode); });
    for (DrawRange range : kDrawRanges)
        onSelected(OptionOf(range), [this, range] { quiz_.state.OnRangeClicked(range); });
    connect(cmdSpin_, &QPushButton::clicked, this,
            [this] { DispatchAlone([this] { quiz_.draw.Spin(); }); });
    connect(cmdCheck_, &QPushButton::clicked, this,
            [this] { DispatchAlone([this] { quiz_.check.Check(); }); });
    // An answer is drawn in a face that has its letters, as typed.
    connect(BoxControl(Box::txtAnswer), &QLineEdit::textChanged, this, [this](const QString& text) {
        QLineEdit* answer = BoxControl(Box::txtAnswer);
        // While a question runs, text that reaches the box past the dropped input (set by
        // assistive technology) is dropped as well: the box keeps what the program put there.
        if (questions_.Running() && text != programAnswer_) {
            answer->setText(programAnswer_);
            return;
        }
        answer->setFont(FaceFor(font(), text));
    });
    // "Check" is the default button: Enter in the answer box runs it.
    connect(BoxControl(Box::txtAnswer), &QLineEdit::returnPressed, cmdCheck_, &QPushButton::click);
    connect(cmdExit_, &QPushButton::clicked, this, [this] { runtime_.EndProgram(0); });
    // Sees the input for every control first, to drop it while a question runs.
    QCoreApplication::instance()->installEventFilter(this);
}

void frmElements::AfterFirstFrame(std::function<void()> then) {
    afterFirstFrame_ = std::move(then);
    firstFrameTurn_ = questions_.Take();
}

bool frmElements::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // Painted, the frame goes to the screen once this event is done: what waits for it comes
    // next.
    if (event->type() == QEvent::Paint && afterFirstFrame_) {
        QTimer::singleShot(0, this, [this, then = std::exchange(afterFirstFrame_, {})] {
            Dispatch(then);
            firstFrameTurn_.reset();
        });
    }
    return handled;
}

void frmElements::closeEvent(QCloseEvent* event) {
    runtime_.EndProgram(0);
    QWidget::closeEvent(event);
}

bool frmElements::eventFilter(QObject* watched, QEvent* event) {
    if (!questions_.Running() || watched == cmdExit_ ||
        !(event->isInputEvent() || event->type() == QEvent::Shortcut))
        return false;
    // This window's controls, and the shortcuts that belong to it; not the message boxes it
    // owns, windows of their own, which take their keys (Escape, Enter) as they go up to them.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget ? widget->window() == this : watched->parent() == this;
}

void frmElements::ReachEverythingByKeyAndEar() {
    // Screen readers name each box by its label.
    for (auto [label, box] : {std::pair{"lblAtomicNumber", Box::txtAtomicNumber},
                              {"lblSymbol", Box::txtSymbol},
                              {"lblElement", Box::txtElement},
                              {"lblAtomicMass", Box::txtAtomicMass},
                              {"lblAnswer", Box::txtAnswer}})
        findChild<QLabel*>(QLatin1String(label))->setBuddy(BoxControl(box));
    // The options are no tab stops: Alt with 1 to 6, in the order they stand, chooses one from
    // anywhere in the window, as a click does.
    for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
        const QKeySequence key(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + i));
        options_[i]->setAccessibleDescription(
            tr("Shortcut: %1").arg(key.toString(QKeySequence::NativeText)));
        connect(new QShortcut(key, this), &QShortcut::activated, options_[i], &QRadioButton::click);
    }
}

void frmElements::Dispatch(const std::function<void()>& operation) {
    RunReportingErrors(runtime_, operation);
}

void frmElements::DispatchAlone(const std::function<void()>& operation) {
    questions_.RunAlone([&] {
        programAnswer_ = BoxControl(Box::txtAnswer)->text();
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        Dispatch(operation);
        QGuiApplication::restoreOverrideCursor();
    });
}

QRadioButton* frmElements::OptionControl(Option option) const {
    return options_[static_cast<int>(option)];
}

QLineEdit* frmElements::BoxControl(Box box) const {
    return boxes_[static_cast<int>(box)];
}

bool frmElements::IsSelected(Option option) const {
    return OptionControl(option)->isChecked();
}

void frmElements::SetSelected(Option option, bool selected) {
    OptionControl(option)->setChecked(selected);
}

bool frmElements::IsCovered(Box box) const {
    return std::any_of(kCoverings.begin(), kCoverings.end(), [&](const Covering& covering) {
        return covering.record == box && !BoxControl(covering.cover)->isHidden();
    });
}

QString frmElements::GetText(Box box) const {
    return IsCovered(box) ? coveredValues_[static_cast<int>(box)] : BoxControl(box)->text();
}

void frmElements::SetText(Box box, const QString& text) {
    if (IsCovered(box)) {
        coveredValues_[static_cast<int>(box)] = text;
        return;
    }
    QLineEdit* edit = BoxControl(box);
    if (box == Box::txtAnswer)
        programAnswer_ = text;
    edit->setText(text);
    // A record box shows its value whole, in a face that has its letters, narrower or smaller
    // where it is long; setText leaves the cursor at the end.
    if (edit->isReadOnly()) {
        FitText(*edit, FaceFor(font(), text));
        edit->setCursorPosition(0);
    }
}

void frmElements::SetVisible(Box box, bool visible) {
    const auto covering = std::find_if(kCoverings.begin(), kCoverings.end(),
                                       [box](const Covering& each) { return each.cover == box; });
    if (covering == kCoverings.end()) {
        BoxControl(box)->setVisible(visible);
        return;
    }
    // Showing a cover moves the value of the record box under it aside, hiding it moves the value
    // back: nothing that box shows or tells assistive technology gives the answer away.
    const QString value = GetText(covering->record);
    BoxControl(covering->record)->clear();
    BoxControl(box)->setVisible(visible);
    SetText(covering->record, value);
}

void frmElements::SetFocus(Box box) {
    BoxControl(box)->setFocus();
}
