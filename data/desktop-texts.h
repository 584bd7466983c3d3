// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: CC0-1.0

#pragma once

#include <QtGlobal>
#include <array>

// The texts of the desktop entry and the AppStream metadata that the translations carry, as the
// templates beside this file write them in English. desktop-lines adds a line per language after
// each template line that holds one; %n is the number of languages the program speaks.
inline constexpr char kDesktopContext[] = "DesktopEntry";
inline constexpr std::array kDesktopTexts{
    //: The kind of program, as menus show it beside its name.
    QT_TRANSLATE_NOOP("DesktopEntry", "Chemical Elements Quiz"),
    //: What the program is for, in a line: menus' tooltips, software centres' summary.
    QT_TRANSLATE_NOOP("DesktopEntry", "Drill the symbols and names of the chemical elements"),
    //: Words a desktop's search finds the program by, each followed by a semicolon.
    QT_TRANSLATE_NOOP("DesktopEntry", "chemistry;elements;periodic table;symbol;quiz;school;"),
    //: Software centres: the description.
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Valtora is a quiz on the chemical elements. It shows an element's atomic "
                      "number, symbol, name and atomic mass with the symbol or the name covered, "
                      "and you type what is covered."),
    //: Software centres: a feature in the description's list.
    QT_TRANSLATE_NOOP("DesktopEntry", "Guess the symbol or the name"),
    //: Software centres: a feature in the description's list.
    QT_TRANSLATE_NOOP(
        "DesktopEntry",
        "Draw from the first 36 elements, from those a school course knows, or from all 103"),
    //: Software centres: a feature in the description's list.
    QT_TRANSLATE_NOOP("DesktopEntry", "Played by keyboard alone, and read out by screen readers"),
    //: Software centres: a feature in the description's list; %n counts English too.
    QT_TRANSLATE_N_NOOP("DesktopEntry", "In %n languages, the element names included"),
    //: Software centres: a feature in the description's list.
    QT_TRANSLATE_NOOP("DesktopEntry", "Needs no setup; a school can serve its own element table "
                                      "to every desk from one server"),
    //: Software centres: the caption of the screenshot.
    QT_TRANSLATE_NOOP("DesktopEntry", "The quiz after one spin, the symbol covered"),
};
