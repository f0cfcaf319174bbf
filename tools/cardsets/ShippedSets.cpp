// SPDX-License-Identifier: MIT
#include "ShippedSets.h"

namespace brivmemo::tools {

// Faces are chosen so that a child tells each from the others at card size: no two of one
// shape and colour (no tomato beside the apple, one whale only).
const std::array<ShippedSet, 3> &shippedSets()
{
    static const std::array<ShippedSet, 3> sets {{
        {"fruit-and-vegetables", "Fruit and Vegetables", "Obst und Gemüse", "Twenty fruits and vegetables",
            {{
                {"1f34e", "apple", "Apfel"},
                {"1f350", "pear", "Birne"},
                {"1f34a", "tangerine", "Mandarine"},
                {"1f34b", "lemon", "Zitrone"},
                {"1f34c", "banana", "Banane"},
                {"1f349", "watermelon", "Wassermelone"},
                {"1f347", "grapes", "Weintrauben"},
                {"1f353", "strawberry", "Erdbeere"},
                {"1f352", "cherries", "Kirschen"},
                {"1f34d", "pineapple", "Ananas"},
                {"1f95d", "kiwi", "Kiwi"},
                {"1f965", "coconut", "Kokosnuss"},
                {"1f951", "avocado", "Avocado"},
                {"1f346", "aubergine", "Aubergine"},
                {"1f955", "carrot", "Karotte"},
                {"1f33d", "sweetcorn", "Maiskolben"},
                {"1f966", "broccoli", "Brokkoli"},
                {"1f954", "potato", "Kartoffel"},
                {"1f336", "chilli", "Chilischote"},
                {"1f344", "mushroom", "Pilz"},
            }},
            {qRgb(0x3A, 0x9D, 0x3A), qRgb(0x6C, 0xBF, 0x5A), BackPattern::Dots, "1f9fa"}},
        {"vehicles", "Vehicles", "Fahrzeuge", "Twenty vehicles on land, on water and in the air",
            {{
                {"1f697", "car", "Auto"},
                {"1f695", "taxi", "Taxi"},
                {"1f68c", "bus", "Bus"},
                {"1f3ce", "racing car", "Rennwagen"},
                {"1f691", "ambulance", "Krankenwagen"},
                {"1f692", "fire engine", "Feuerwehrauto"},
                {"1f69a", "lorry", "Lastwagen"},
                {"1f69c", "tractor", "Traktor"},
                {"1f6b2", "bicycle", "Fahrrad"},
                {"1f3cd", "motorbike", "Motorrad"},
                {"1f6f4", "scooter", "Tretroller"},
                {"1f682", "steam train", "Dampflok"},
                {"1f685", "bullet train", "Schnellzug"},
                {"1f681", "helicopter", "Hubschrauber"},
                {"2708", "aeroplane", "Flugzeug"},
                {"1f680", "rocket", "Rakete"},
                {"26f5", "sailing boat", "Segelboot"},
                {"1f6a2", "ship", "Schiff"},
                {"1f6a4", "speedboat", "Motorboot"},
                {"1f6a0", "cable car", "Seilbahn"},
            }},
            {qRgb(0x2D, 0x6C, 0xC0), qRgb(0x4F, 0x8A, 0xD6), BackPattern::Stripes, "1f6a6"}},
        {"sea-life", "Sea Life", "Meerestiere", "Twenty animals of the sea and its shores",
            {{
                {"1f419", "octopus", "Krake"},
                {"1f991", "squid", "Tintenfisch"},
                {"1f980", "crab", "Krabbe"},
                {"1f99e", "lobster", "Hummer"},
                {"1f990", "shrimp", "Garnele"},
                {"1f420", "tropical fish", "Tropenfisch"},
                {"1f41f", "fish", "Fisch"},
                {"1f421", "pufferfish", "Kugelfisch"},
                {"1f988", "shark", "Hai"},
                {"1f42c", "dolphin", "Delfin"},
                {"1f433", "whale", "Wal"},
                {"1f9ad", "seal", "Robbe"},
                {"1f422", "turtle", "Schildkröte"},
                {"1f41a", "shell", "Schneckenhaus"},
                {"1fabc", "jellyfish", "Qualle"},
                {"1fab8", "coral", "Koralle"},
                {"1f9a6", "otter", "Otter"},
                {"1f427", "penguin", "Pinguin"},
                {"1f9aa", "oyster", "Auster"},
                {"1f40a", "crocodile", "Krokodil"},
            }},
            {qRgb(0x17, 0x7E, 0x8E), qRgb(0x3F, 0xA8, 0xB6), BackPattern::Waves, "1f30a"}},
    }};
    return sets;
}

} // namespace brivmemo::tools
