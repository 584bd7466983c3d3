// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Text conversions and comparison as the quiz uses them.

// Decimal digits of n, no blank, sign or leading zero ("7", "103").
QString NumberToText(int n);

// Binary equality: same length and same code units, case-sensitive, nothing trimmed.
bool TextEquals(const QString& a, const QString& b);

// Languages whose proper case differs from the ordinary rule: in Dutch, a word that starts with
// the digraph ij starts with IJ ("ijzer" becomes "IJzer"); in Turkish, i and İ are a pair, and ı
// and I ("iyot" becomes "İyot"); Georgian has no title case: its capitals (Mtavruli) all become
// the ordinary letters (Mkhedruli), the first too ("ᲠᲙᲘᲜᲐ" becomes "რკინა");
// Slovenian capitalises only a name's first word ("živo srebro" becomes "Živo srebro").
enum class CaseRule { Ordinary, Dutch, Turkish, Georgian, FirstWordOnly };

// The first character of every word in title case, every other character in lower case. A word
// begins at the start of the text and after each blank, tab or line break. Characters without
// case are kept as they are; letters beyond Latin follow Unicode's case mappings, including
// final sigma, and `rule`.
QString ProperCase(const QString& text, CaseRule rule = CaseRule::Ordinary);

// The text with its full-width and half-width forms as their ordinary characters ("Ｆｅ" as
// "Fe"), as an input method in full-width mode types them; nothing else is changed.
QString WithoutWidthForms(const QString& text);

// The text without Greek's tonos, which Greek leaves off capitals ("Σίδηρος" as "Σιδηρος").
QString WithoutTonos(const QString& text);

// Catalan's l·l as any keyboard types it, "l.l", with the hyphenation point U+2027, or as ŀl,
// made the one spelling l·l, in any case.
QString WithCatalanMiddleDot(const QString& text);

// Arabic as spelled without what typing routinely leaves off or swaps: the hamza and madda over
// or under alef and wasla (أ إ آ ٱ as ا), alef maksura as yeh (ى as ي), teh marbuta as heh (ة as
// ه); without tatweel, the vowel marks (harakat, superscript alef) and direction marks. The other
// hamza carriers (ؤ ئ) stay: they spell the name.
QString WithoutArabicVariants(const QString& text);

// Hiragana as the katakana of the same sound ("へりうむ" as "ヘリウム"), as an input method
// commits kana the pupil did not convert.
QString HiraganaAsKatakana(const QString& text);

// Serbian's Latin alphabet as its Cyrillic, letter for letter: the digraphs lj, nj and dž as
// љ, њ and џ ("Gvožđe" as "Гвожђе"). Other characters stay as they are.
QString SerbianLatinAsCyrillic(const QString& text);
