#include "views/item_lists.h"

namespace qira {

QStringList language_items() {
    return {"English", "Espanol", "Svenska", "Francais", "Deutch", "Italiano"};
}

QStringList level_items() {
    return {"Primier", "First", "Second", "Third", "Other"};
}

QStringList attack_items() {
    return {"Posession", "Long ball", "Wing play"};
}

QStringList formation_items() {
    return {"Not set",
            "3-5-2 Attacking",
            "3-5-2 Defensive",
            "3-5-2 Neutral",
            "4-3-3 Neutral",
            "4-3-3 Defensive",
            "4-3-3 Attacking",
            "4-4-2 Neutral",
            "4-4-2 Defensive",
            "4-4-2 Attacking",
            "5-3-2 Neutral",
            "5-3-2 Defensive",
            "5-3-2 Attacking",
            "5-2-3 Neutral",
            "5-2-3 Defensive",
            "5-2-3 Attacking",
            "4-5-1 Neutral",
            "4-1-2-1-2 Neutral",
            "4-2-3-1 Neutral",
            "4-3-1-2 Neutral",
            "4-2-4 Neutral",
            "4-4-1-1 Neutral",
            "3-4-1-2 Neutral",
            "3-6-1 Neutral",
            "2-3-5 Neutral",
            "5-4-1 Neutral",
            "3-6-1 Attacking",
            "3-6-1 Defensive",
            "4-4-1-1 Attacking",
            "3-4-3 Attacking",
            "3-4-3 Defensive",
            "3-4-3 Neutral",
            "2-3-5 Attacking",
            "2-3-5 Defensive",
            "3-4-1-2 Attacking",
            "3-4-1-2 Defensive",
            "4-1-2-1-2 Attacking",
            "4-1-2-1-2 Defensive",
            "4-2-3-1 Attacking",
            "4-2-3-1 Defensive",
            "4-2-4 Attacking",
            "4-2-4 Defensive",
            "4-3-1-2 Attacking",
            "4-3-1-2 Defensive",
            "4-4-1-1 Defensive",
            "4-5-1 Attacking",
            "4-5-1 Defensive",
            "5-4-1 Attacking",
            "5-4-1 Defensive"};
}

QStringList position_items() {
    return {"GK",   "SW",  "-----", "RB", "RCB", "CB", "LCB", "LB", "-----", "RDM", "RCDM", "CDM",
            "LCDM", "LDM", "RWM",   "RM", "RCM", "CM", "LCM", "LM", "LWM",   "RAM", "RCAM", "CAM",
            "LCAM", "LAM", "RCF",   "CF", "LCF", "RS", "ST",  "LS", "Sub",   "Res"};
}

QStringList hair_color_items() {
    return {"Black", "Brown", "Light Brown", "Fair", "Red"};
}

QStringList boots_color_items() {
    return {"White", "Black", "Blue", "Red", "Yellow"};
}

} // namespace qira
