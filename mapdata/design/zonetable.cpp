#include "mapdata/design/zonetable.h"

namespace mapdata {

// Laid over the map picture: a name's zones approximate its outline, and a
// higher index lies on top where zones overlap.
const std::array<ZoneRecord, kZoneCount> kZoneTable = {{
    {4740, 2490, 3075, 1755, "Brazil,Brasilia"},       // 0
    {4980, 4200, 2115, 825, "Brazil,Brasilia"},        // 1
    {4230, 2010, 2325, 465, "Brazil,Brasilia"},        // 2
    {3540, 2460, 1245, 975, "Brazil,Brasilia"},        // 3
    {3510, 2070, 735, 405, "Brazil,Brasilia"},         // 4
    {4200, 1740, 375, 315, "Brazil,Brasilia"},         // 5
    {3150, 2760, 405, 705, "Brazil,Brasilia"},         // 6
    {4080, 3390, 705, 405, "Brazil,Brasilia"},         // 7
    {5370, 5040, 885, 825, "Brazil,Brasilia"},         // 8
    {5190, 5850, 735, 435, "Brazil,Brasilia"},         // 9
    {6180, 4470, 765, 825, "Brazil,Brasilia"},         // 10
    {5400, 1530, 315, 465, "French Guiana"},           // 11
    {4560, 1290, 495, 735, "Guyana"},                  // 12
    {5040, 1470, 375, 525, "Suriname"},                // 13
    {3750, 840, 885, 915, "Venezuela,Caracas"},        // 14
    {3150, 750, 675, 705, "Venezuela,Caracas"},        // 15
    {3750, 1740, 495, 345, "Venezuela,Caracas"},       // 16
    {2460, 1320, 735, 855, "Colombia,Bogota"},         // 17
    {3180, 1440, 585, 675, "Colombia,Bogota"},         // 18
    {2430, 720, 735, 615, "Colombia,Bogota"},          // 19
    {3060, 2070, 465, 435, "Colombia,Bogota"},         // 20
    {2130, 2190, 315, 585, "Ecuador,Quito"},           // 21
    {2160, 2130, 615, 375, "Ecuador,Quito"},           // 22
    {2520, 2640, 465, 1245, "Peru,Lima"},              // 23
    {2970, 3420, 705, 1095, "Peru,Lima"},              // 24
    {2670, 3840, 345, 375, "Peru,Lima"},               // 25
    {2100, 2760, 465, 705, "Peru,Lima"},               // 26
    {2670, 2490, 465, 1245, "Peru,Lima"},              // 27
    {3060, 2490, 465, 285, "Peru,Lima"},               // 28
    {2760, 2250, 345, 255, "Peru,Lima"},               // 29
    {3660, 3510, 465, 1515, "Bolivia,La Paz,Sucre"},   // 30
    {3960, 3780, 465, 1275, "Bolivia,La Paz,Sucre"},   // 31
    {4350, 3900, 375, 795, "Bolivia,La Paz,Sucre"},    // 32
    {4680, 4230, 345, 495, "Bolivia,La Paz,Sucre"},    // 33
    {4440, 4680, 525, 495, "Paraguay,Asuncion"},       // 34
    {4800, 5010, 525, 495, "Paraguay,Asuncion"},       // 35
    {4920, 5250, 465, 495, "Paraguay,Asuncion"},       // 36
    {4950, 6150, 585, 675, "Uruguay,Montevideo"},      // 37
    {4380, 5280, 645, 2145, "Argentina,Buenos Aires"}, // 38
    {3810, 5100, 735, 2685, "Argentina,Buenos Aires"}, // 39
    {3600, 5730, 675, 4065, "Argentina,Buenos Aires"}, // 40
    {3300, 7650, 585, 2115, "Argentina,Buenos Aires"}, // 41
    {3360, 7050, 675, 585, "Argentina,Buenos Aires"},  // 42
    {3480, 5940, 675, 1095, "Argentina,Buenos Aires"}, // 43
    {3210, 8820, 675, 945, "Argentina,Buenos Aires"},  // 44
    {3090, 9150, 645, 375, "Argentina,Buenos Aires"},  // 45
    {2940, 6630, 375, 1455, "Chile,Santiago"},         // 46
    {3090, 5370, 375, 1455, "Chile,Santiago"},         // 47
    {3210, 4500, 375, 1455, "Chile,Santiago"},         // 48
    {3420, 4980, 375, 405, "Chile,Santiago"},          // 49
    {2910, 8100, 375, 1035, "Chile,Santiago"},         // 50
    {2730, 6810, 375, 3105, "Chile,Santiago"},         // 51
    {-30, 60, 2445, 1965, "Caribbean Sea"},            // 52
    {2400, -1230, 2445, 1965, "Caribbean Sea"},        // 53
    {-60, 3690, 2625, 6945, "South Pacific Ocean"},    // 54
    {6600, 60, 1995, 2385, "North Atlantic Ocean"},    // 55
    {5070, -900, 1995, 2295, "North Atlantic Ocean"},  // 56
    {6360, 5460, 2325, 5145, "South Atlantic Ocean"},  // 57
    {4590, 7500, 1995, 2985, "South Atlantic Ocean"},  // 58
    {5490, 6780, 2325, 2715, "South Atlantic Ocean"},  // 59
    {7410, 3870, 1275, 5145, "South Atlantic Ocean"},  // 60
}};

const std::array<ItemRecord, kItemCount> kItemTable = {{
    {"Argentina", PoolHeading::Countries, 9090, 1440, {3810, 5940, 885, 225}},                 // 0
    {"Asuncion", PoolHeading::Capitals, 9090, 4860, {5070, 5130, 885, 225}},                   // 1
    {"Bogota", PoolHeading::Capitals, 9090, 5070, {1860, 1350, 885, 225}},                     // 2
    {"Bolivia", PoolHeading::Countries, 9090, 1860, {3780, 3810, 885, 225}},                   // 3
    {"Brasilia", PoolHeading::Capitals, 9090, 5280, {5280, 4020, 885, 225}},                   // 4
    {"Brazil", PoolHeading::Countries, 9090, 1650, {5040, 3180, 885, 225}},                    // 5
    {"Buenos Aires", PoolHeading::Capitals, 9090, 5490, {3870, 6840, 885, 225}},               // 6
    {"Caracas", PoolHeading::Capitals, 9090, 5700, {3840, 900, 1005, 225}},                    // 7
    {"Caribbean Sea", PoolHeading::SeasAndOceans, 12300, 4860, {2760, 240, 1635, 225}},        // 8
    {"Chile", PoolHeading::Countries, 9090, 2070, {2490, 5970, 885, 225}},                     // 9
    {"Colombia", PoolHeading::Countries, 9090, 2280, {2640, 1830, 885, 225}},                  // 10
    {"Ecuador", PoolHeading::Countries, 9090, 2490, {1530, 2400, 975, 225}},                   // 11
    {"French Guiana", PoolHeading::Countries, 9090, 2700, {5550, 1590, 1755, 225}},            // 12
    {"Guyana", PoolHeading::Countries, 12300, 1440, {4830, 1200, 1155, 225}},                  // 13
    {"La Paz", PoolHeading::Capitals, 9090, 5910, {3930, 4080, 975, 225}},                     // 14
    {"Lima", PoolHeading::Capitals, 9090, 6120, {2820, 3630, 885, 225}},                       // 15
    {"Montevideo", PoolHeading::Capitals, 9090, 6330, {5340, 6660, 885, 225}},                 // 16
    {"North Atlantic Ocean", PoolHeading::SeasAndOceans, 12300, 5070, {7050, 720, 1485, 525}}, // 17
    {"Paraguay", PoolHeading::Countries, 12300, 1650, {4500, 4860, 885, 225}},                 // 18
    {"Peru", PoolHeading::Countries, 12300, 1860, {2340, 3000, 885, 225}},                     // 19
    {"Quito", PoolHeading::Capitals, 9090, 6540, {1440, 2100, 885, 225}},                      // 20
    {"Santiago", PoolHeading::Capitals, 9090, 6750, {2430, 6510, 885, 225}},                   // 21
    {"South Atlantic Ocean",
     PoolHeading::SeasAndOceans,
     12300,
     5250,
     {6990, 6750, 1305, 885}},                                                                // 22
    {"South Pacific Ocean", PoolHeading::SeasAndOceans, 12300, 5460, {390, 5550, 1245, 825}}, // 23
    {"Sucre", PoolHeading::Capitals, 9090, 6960, {4260, 4500, 885, 225}},                     // 24
    {"Suriname", PoolHeading::Countries, 12300, 2070, {5280, 1410, 885, 225}},                // 25
    {"Uruguay", PoolHeading::Countries, 12300, 2280, {5040, 6330, 885, 225}},                 // 26
    {"Venezuela", PoolHeading::Countries, 12300, 2490, {3540, 1200, 1035, 225}},              // 27
}};

const std::array<MarkerRecord, kCapitalMarkerCount> kCapitalMarkers = {{
    {4770, 6840, "Argentina,Buenos Aires"}, // 0
    {5190, 6660, "Uruguay,Montevideo"},     // 1
    {3300, 6510, "Chile,Santiago"},         // 2
    {4980, 5280, "Paraguay,Asuncion"},      // 3
    {4080, 4530, "Bolivia,La Paz,Sucre"},   // 4
    {3720, 4140, "Bolivia,La Paz,Sucre"},   // 5
    {2640, 3660, "Peru,Lima"},              // 6
    {2310, 2130, "Ecuador,Quito"},          // 7
    {2760, 1470, "Colombia,Bogota"},        // 8
    {3690, 930, "Venezuela,Caracas"},       // 9
    {6240, 4080, "Brazil,Brasilia"},        // 10
}};

} // namespace mapdata
