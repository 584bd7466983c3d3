// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up and memory baselines: Qt Widgets programs that only show a window. Alone, one
// window with one label, so that it, too, sets up fontconfig and Qt's font database for the first
// text it draws. With "controls", the quiz window's 25 controls in their places, with their
// captions and faces (MS Sans Serif, and Liberation Sans Bold Italic for the signature) and
// nothing behind them: no table, no translation, no handlers. What Valtora's window costs beyond
// that is its own.
#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Places `widget` as the quiz window does, in twips: 15 to a pixel.
template <typename Widget> Widget* At(Widget* widget, int left, int top, int width, int height) {
    widget->setGeometry(left / 15, top / 15, width / 15, height / 15);
    return widget;
}

void BuildControls(QWidget& window) {
    At(new QLabel(QStringLiteral("Atomic Number"), &window), 3840, 3360, 1095, 255);
    At(new QLabel(QStringLiteral("Symbol"), &window), 3840, 3720, 1095, 255);
    At(new QLabel(QStringLiteral("Element Name"), &window), 3840, 4080, 1095, 255);
    At(new QLabel(QStringLiteral("Atomic Mass"), &window), 3840, 4440, 1095, 255);
    At(new QLabel(QStringLiteral("Answer"), &window), 4200, 5280, 615, 255);
    QFont signature(QStringLiteral("Liberation Sans"), 12, QFont::Bold, true);
    At(new QLabel(QStringLiteral("Created by Orvashel"), &window), 5640, 6840, 3735, 255)
        ->setFont(signature);
    for (const auto& [top, width] : {std::pair{3210, 975}, {3600, 735}, {3960, 975}, {4320, 735}})
        At(new QLineEdit(&window), 5040, top, width, 285)->setReadOnly(true);
    At(new QLineEdit(&window), 5040, 5160, 1335, 285)->setFocus();
    At(new QPushButton(QStringLiteral("Spin"), &window), 2280, 5160, 975, 375);
    At(new QPushButton(QStringLiteral("Check"), &window), 6600, 5160, 975, 375)->setDefault(true);
    auto* frame1 = At(new QGroupBox(QStringLiteral("Step 1"), &window), 600, 480, 2055, 1215);
    At(new QRadioButton(QStringLiteral("Guess the Name"), frame1), 240, 720, 1695, 255);
    At(new QRadioButton(QStringLiteral("Guess the Symbol"), frame1), 240, 360, 1695, 255)
        ->setChecked(true);
    auto* frame2 = At(new QGroupBox(QStringLiteral("Step 2"), &window), 4080, 480, 4935, 1935);
    At(new QRadioButton(QStringLiteral("Elements 1 to 36"), frame2), 240, 360, 2655, 255)
        ->setChecked(true);
    At(new QRadioButton(QStringLiteral("Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 80"), frame2),
       240, 720, 3855, 255);
    At(new QRadioButton(
           QStringLiteral("Elements 1 to 38, 40, 42, 47 - 57, 74, 78 - 89, 92, 94, 95"), frame2),
       240, 1080, 4455, 255);
    At(new QRadioButton(QStringLiteral("Elements 1 to 103"), frame2), 240, 1440, 2175, 255);
    At(new QLineEdit(&window), 5040, 3600, 735, 285)->hide();
    At(new QLineEdit(&window), 5040, 3960, 975, 285)->hide();
    At(new QPushButton(QStringLiteral("Exit"), &window), 4560, 6120, 975, 375);
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().value(1) != QLatin1String("controls")) {
        QLabel window(QStringLiteral("Elements"));
        window.resize(640, 484);
        window.show();
        return QApplication::exec();
    }
    QFontDatabase::addApplicationFont(QStringLiteral(VALTORA_WINE_FONTS "/ms_sans_serif.ttf"));
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setPointSizeF(8.25);
    QApplication::setFont(face);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Elements"));
    window.setFixedSize(640, 484);
    BuildControls(window);
    window.show();
    return QApplication::exec();
}
