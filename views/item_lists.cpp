#include "views/item_lists.h"

#include <QCoreApplication>

#include <initializer_list>

namespace qira {

namespace {

// The items as the window shows them, in the user's language; "-----" separators stay.
QStringList translated(std::initializer_list<const char*> items) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(items.size()));
    for (const char* item : items)
        shown << QCoreApplication::translate("qira::item_lists", item);
    return shown;
}

} // namespace

// Each language is named in its own tongue, whatever the window's language.
QStringList language_items() {
    return {"English", "Espanol", "Svenska", "Francais", "Deutch", "Italiano"};
}

QStringList level_items() {
    return translated({QT_TRANSLATE_NOOP("qira::item_lists", "Primier"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "First"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Second"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Third"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Other")});
}

QStringList attack_items() {
    return translated({QT_TRANSLATE_NOOP("qira::item_lists", "Posession"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Long ball"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Wing play")});
}

QStringList formation_items() {
    return translated({QT_TRANSLATE_NOOP("qira::item_lists", "Not set"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-5-2 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-5-2 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-5-2 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-3-3 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-3-3 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-3-3 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-4-2 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-4-2 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-4-2 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-3-2 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-3-2 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-3-2 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-2-3 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-2-3 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-2-3 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-5-1 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-1-2-1-2 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-2-3-1 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-3-1-2 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-2-4 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-4-1-1 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-4-1-2 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-6-1 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "2-3-5 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-4-1 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-6-1 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-6-1 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-4-1-1 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-4-3 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-4-3 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-4-3 Neutral"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "2-3-5 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "2-3-5 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-4-1-2 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "3-4-1-2 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-1-2-1-2 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-1-2-1-2 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-2-3-1 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-2-3-1 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-2-4 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-2-4 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-3-1-2 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-3-1-2 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-4-1-1 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-5-1 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "4-5-1 Defensive"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-4-1 Attacking"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "5-4-1 Defensive")});
}

QStringList position_items() {
    //: Positions on the pitch, abbreviated as on a team sheet (GK goalkeeper, SW sweeper, RB right
    //: back, CB centre back, DM/CM/AM defensive/central/attacking midfielder, WM wide midfielder,
    //: CF centre forward, ST striker, Sub substitute, Res reserve)
    return translated({QT_TRANSLATE_NOOP("qira::item_lists", "GK"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "SW"),
                       "-----",
                       QT_TRANSLATE_NOOP("qira::item_lists", "RB"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RCB"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "CB"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LCB"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LB"),
                       "-----",
                       QT_TRANSLATE_NOOP("qira::item_lists", "RDM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RCDM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "CDM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LCDM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LDM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RWM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RCM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "CM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LCM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LWM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RAM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RCAM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "CAM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LCAM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LAM"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RCF"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "CF"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LCF"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "RS"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "ST"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "LS"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Sub"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Res")});
}

QStringList hair_color_items() {
    return translated({QT_TRANSLATE_NOOP("qira::item_lists", "Black"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Brown"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Light Brown"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Fair"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Red")});
}

QStringList boots_color_items() {
    return translated({QT_TRANSLATE_NOOP("qira::item_lists", "White"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Black"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Blue"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Red"),
                       QT_TRANSLATE_NOOP("qira::item_lists", "Yellow")});
}

} // namespace qira
