#include "counters/orderofbattle.h"

namespace {

void add(CounterInitList& list, int basePictureId, int steps, const char* name, int sizeValue) {
    list.push_back(ZeKCounterInitStruct{basePictureId, steps, name, sizeValue});
}

} // namespace

// The row order is the identity of every counter: move-file records and report lines are
// matched by position only, so rows are never reordered or removed.
void buildOrderOfBattle(CounterInitList& list) {
    // British formations
    add(list, 2000, 2, "UK 6 Armor XX", 5);
    add(list, 2003, 2, "UK 7 Armor XX", 5);
    add(list, 2006, 1, "UK 52 Mnt XX", 3);
    add(list, 2008, 1, "UK 1 Para XX", 3);
    add(list, 2010, 1, "UK 1 Inf XX", 3);
    add(list, 2012, 1, "UK 4 Inf XX", 3);
    add(list, 2014, 1, "UK 5 Inf XX", 3);
    add(list, 2016, 1, "UK 46 Inf XX", 3);
    add(list, 2018, 1, "UK 50 Inf XX", 3);
    add(list, 2020, 1, "UK 51 Inf XX", 3);
    add(list, 2022, 1, "UK 56 Inf XX", 3);
    add(list, 2024, 1, "UK 78 Inf XX", 3);
    add(list, 2026, 0, "UK 1 Gds", 1);
    add(list, 2027, 0, "UK 24 Gds", 1);
    add(list, 2028, 0, "UK 201 Gds", 1);
    add(list, 2029, 0, "UK 18 Mech X", 1);
    add(list, 2030, 0, "UK 25 RE", 2);
    add(list, 2031, 0, "UK 2 Armor X", 2);
    add(list, 2032, 0, "UK 4 Armor X", 2);
    add(list, 2033, 0, "UK 7 Armor X", 2);
    add(list, 2034, 0, "UK 9 Armor X", 2);
    add(list, 2035, 0, "UK 21 Armor X", 2);
    add(list, 2036, 0, "UK 23 Armor X", 2);
    add(list, 2037, 0, "UK 25 Armor X", 2);
    add(list, 2038, 0, "UK 2 Para X", 1);
    add(list, 2039, 0, "UK 2 SS", 1);
    add(list, 2040, 0, "UK 1 Repl", 1);
    add(list, 2041, 0, "UK 2 Repl", 1);
    add(list, 2042, 0, "UK 3 Repl", 1);
    // New Zealand
    add(list, 2043, 3, "NZ 2 Mech XX", 5);
    // United States
    add(list, 2047, 3, "US 1 Armor XX", 5);
    add(list, 2051, 3, "US 1 Inf XX", 4);
    add(list, 2055, 2, "US 3 Inf XX", 4);
    add(list, 2058, 2, "US 9 Inf XX", 4);
    add(list, 2061, 2, "US 34 Inf XX", 4);
    add(list, 2064, 2, "US 36 Inf XX", 4);
    add(list, 2067, 2, "US 45 Inf XX", 4);
    add(list, 2070, 2, "US 85 Inf XX", 4);
    add(list, 2073, 2, "US 88 Inf XX", 4);
    add(list, 2076, 2, "US 91 Inf XX", 4);
    add(list, 2079, 2, "US 10 Mnt XX", 4);
    add(list, 2082, 1, "US 92 Inf XX", 4);
    add(list, 2084, 0, "US 1 Repl", 1);
    add(list, 2085, 0, "US 2 Repl", 1);
    add(list, 2086, 0, "US 3 Repl", 1);
    add(list, 2087, 0, "US 82/504 Airborne", 1);
    add(list, 2088, 0, "US 82/505 Airborne", 1);
    add(list, 2089, 0, "US 82/325G Airborne", 1);
    add(list, 2090, 0, "US 473 Inf III", 1);
    add(list, 2091, 0, "US 442 Inf III", 1);
    add(list, 2092, 0, "US 45 TF", 1);
    add(list, 2093, 0, "US 6615 Ranger", 1);
    add(list, 2094, 0, "US-Cdn 1 SSF", 1);
    // South Africa
    add(list, 2095, 2, "SA 6 Armor XX", 5);
    // France
    add(list, 2098, 2, "Fr 2 Mor", 3);
    add(list, 2101, 2, "Fr 3 Alg", 3);
    add(list, 2104, 2, "Fr 4 Mor", 3);
    add(list, 2107, 2, "Fr 9 Cpl", 3);
    add(list, 2110, 1, "Fr 1 Mech", 3);
    add(list, 2112, 0, "Fr 1 Mt", 1);
    add(list, 2113, 0, "Fr 2 Mt", 1);
    add(list, 2114, 0, "Fr 3 Mt", 1);
    add(list, 2115, 0, "Fr 4 Mt", 1);
    // Poland
    add(list, 2116, 2, "Pol 3 Carp", 3);
    add(list, 2119, 2, "Pol 5 Kres", 3);
    add(list, 2122, 0, "Pol 2", 2);
    // India
    add(list, 2123, 1, "Ind 4", 3);
    add(list, 2125, 1, "Ind 8", 3);
    add(list, 2127, 1, "Ind 10", 3);
    add(list, 2129, 0, "Ind 43", 1);
    // Brazil and Greece
    add(list, 2130, 1, "Braz 1", 3);
    add(list, 2132, 0, "Greek 3", 1);
    // Canada
    add(list, 2133, 2, "Cdn 1 Inf XX", 3);
    add(list, 2136, 2, "Cdn 5 Armor XX", 5);
    add(list, 2139, 0, "Cdn 1 Armor X", 2);
    // Other units of the first side
    add(list, 2140, 0, "Jew", 1);
    add(list, 2141, 0, "P 36G", 0);
    add(list, 2142, 0, "P 28G", 0);
    // Italian formations
    add(list, 2143, 0, "Rome: Cent", 2);
    add(list, 2144, 0, "Rome: Sassari", 2);
    add(list, 2145, 0, "Rome: Ariete", 2);
    // Their pictures follow the "FA:" rows'.
    add(list, 2155, 0, "Rome: G di S", 2);
    add(list, 2156, 0, "Rome: Piave", 2);
    add(list, 2157, 0, "Rome: Piac", 2);
    // Their pictures come before those of the three rows above.
    add(list, 2146, 0, "FA: Rav", 2);
    add(list, 2147, 0, "FA: L di T", 2);
    add(list, 2148, 0, "FA: Re", 2);
    add(list, 2149, 0, "FA: Pas", 2);
    add(list, 2150, 0, "FA: Leg", 2);
    add(list, 2151, 0, "FA: Mant", 2);
    add(list, 2152, 0, "FA: AG", 2);
    add(list, 2153, 0, "FA: Rovigo", 2);
    add(list, 2154, 0, "FA: 3 Cav", 2);
    add(list, 2158, 0, "Mon: 1", 2);
    add(list, 2159, 0, "Mon: Nembo", 2);
    add(list, 2160, 0, "Mon: Crem", 2);
    add(list, 2161, 0, "Mon: Leg", 2);
    add(list, 2162, 0, "Mon: Fruili", 2);
    add(list, 2163, 0, "Mon: Folgore", 2);
    add(list, 2164, 0, "Mon: Mant", 2);
    add(list, 2165, 0, "Mon: Piceno", 2);
    // Forts
    add(list, 2166, 0, "Fort", 0);
    add(list, 2167, 0, "Fort", 0);
    add(list, 2168, 0, "Fort", 0);
    add(list, 2169, 0, "Fort", 0);
    add(list, 2170, 0, "Fort", 0);
    add(list, 2171, 0, "Fort", 0);
    add(list, 2172, 0, "Fort", 0);
    add(list, 2173, 0, "Fort", 0);
    add(list, 2174, 0, "Fort", 0);
    add(list, 2175, 0, "Fort", 0);
    add(list, 2176, 0, "Fort", 0);
    add(list, 2177, 0, "Fort", 0);
    add(list, 2178, 0, "Fort", 0);
    // The second side's formations
    add(list, 2179, 5, "1 Para XX", 3);
    add(list, 2185, 4, "15 Pzg XX", 3);
    add(list, 2190, 0, "Rep: MR", 2);
    add(list, 2191, 1, "1/1 Para III", 1);
    add(list, 2193, 1, "1/2 Para III", 1);
    add(list, 2195, 1, "1/3 Para III", 1);
    add(list, 2197, 1, "15/129 Pzg III", 1);
    add(list, 2199, 1, "15/115 Pzg III", 1);
    add(list, 2201, 1, "15/104 Pzg III", 1);
    add(list, 2203, 0, "Rep: SM", 2);
    add(list, 2204, 4, "2 Para XX", 3);
    add(list, 2209, 2, "29 Pzg XX", 3);
    add(list, 2212, 0, "Lehr/309 Pzg III", 1);
    add(list, 2213, 0, "Rep: Italia", 1);
    add(list, 2214, 1, "2/2 Para III", 1);
    add(list, 2216, 1, "2/5 Para III", 1);
    add(list, 2218, 1, "2/6 Para III", 1);
    add(list, 2220, 1, "29/15 Pzg III", 1);
    add(list, 2222, 1, "29/71 Pzg III", 1);
    add(list, 2224, 0, "1026 Inf III", 1);
    add(list, 2225, 0, "Rep: Littoria", 2);
    add(list, 2226, 0, "Rep: Mas", 2);
    add(list, 2227, 4, "HG Armor XX", 3);
    add(list, 2232, 2, "90 Pzg XX", 2);
    add(list, 2235, 2, "715m Inf XX", 2);
    add(list, 2238, 0, "Rep: SS/1", 1);
    add(list, 2239, 0, "HG/HG Armor III", 1);
    add(list, 2240, 1, "HG/1 Armor III", 1);
    add(list, 2242, 1, "HG/2 Armor III", 1);
    add(list, 2244, 1, "90/200", 1);
    add(list, 2246, 1, "90/361", 1);
    add(list, 2248, 0, "1027 Pzg III", 1);
    add(list, 2249, 0, "1028 Pzg III", 1);
    add(list, 2250, 0, "Rep: 1 Ers", 1);
    add(list, 2251, 2, "4 Para XX", 3);
    add(list, 2254, 0, "4/10 Para III", 1);
    add(list, 2255, 0, "4/11 Para III", 1);
    add(list, 2256, 0, "4/12 Sturn Para III", 1);
    add(list, 2257, 2, "60 Pzg XX", 2);
    add(list, 2260, 1, "3 Pzg XX", 2);
    add(list, 2262, 0, "Rep: 2 Ers", 1);
    add(list, 2263, 0, "F-MK1 MG", 0);
    add(list, 2264, 0, "F-MK2 MG", 0);
    add(list, 2265, 0, "19 Jgr", 3);
    add(list, 2266, 0, "20 Jgr", 3);
    add(list, 2267, 0, "7+9 Jgr", 1);
    add(list, 2268, 0, "Fras Pzg X", 1);
    add(list, 2269, 1, "5 Mnt XX", 2);
    add(list, 2271, 0, "3-4 Mnt X", 1);
    add(list, 2272, 0, "Doehla Mnt X", 1);
    add(list, 2273, 0, "FA: Nembo/185", 1);
    add(list, 2274, 3, "16 Pz XX", 3);
    add(list, 2278, 4, "SS/1LAH Armor XX", 3);
    add(list, 2283, 2, "HuD/44 Inf XX", 3);
    add(list, 2286, 1, "34 Inf XX", 2);
    add(list, 2288, 3, "18 Pz XX", 3);
    add(list, 2292, 4, "SS/2R Armor XX", 3);
    add(list, 2297, 2, "71 Inf XX", 3);
    add(list, 2300, 1, "Jaeger/42 Inf XX", 2);
    add(list, 2302, 3, "24 Pz XX", 3);
    add(list, 2306, 0, "SS/RF Pzg", 1);
    add(list, 2307, 2, "SS/16RF Pzg XX", 3);
    add(list, 2310, 2, "76 Inf XX", 3);
    add(list, 2313, 1, "65 Inf XX", 2);
    add(list, 2315, 3, "26 Pz XX", 3);
    add(list, 2319, 0, "Czech 1 Ers ", 1);
    add(list, 2320, 0, "Czech 2 Ers", 1);
    add(list, 2321, 0, "Czech 3 Ers", 1);
    add(list, 2322, 2, "94 Inf XX", 3);
    add(list, 2325, 1, "92 Inf XX", 2);
    add(list, 2327, 0, "Tiger:508", 0);
    add(list, 2328, 0, "Panther:4/1", 0);
    add(list, 2329, 0, "Panther:4/2", 0);
    add(list, 2330, 0, "1 Ers", 1);
    add(list, 2331, 0, "2 Ers", 1);
    add(list, 2332, 0, "3 Ers", 1);
    add(list, 2333, 0, "4 Ers", 1);
    add(list, 2334, 0, "5 Ers", 1);
    add(list, 2335, 2, "305 Inf XX", 3);
    add(list, 2338, 1, "98 Inf XX", 2);
    add(list, 2340, 0, "1 Pz Ers", 1);
    add(list, 2341, 0, "2 Pz Ers", 1);
    add(list, 2342, 0, "3 Pz Ers", 1);
    add(list, 2343, 0, "6 Ers", 1);
    add(list, 2344, 0, "Slov:1 Ers", 1);
    add(list, 2345, 0, "Ost Ers", 2);
    add(list, 2346, 0, "Wild Ers", 2);
    add(list, 2347, 0, "Schul Ers", 2);
    add(list, 2348, 2, "334 Inf XX", 3);
    add(list, 2351, 1, "Jaeger/114 Inf XX", 2);
    add(list, 2353, 1, "148 Inf XX", 2);
    add(list, 2355, 1, "155 Inf XX", 2);
    add(list, 2357, 1, "157 Mnt XX", 2);
    add(list, 2359, 1, "Turco:163 Inf XX", 2);
    add(list, 2361, 1, "188 Inf XX", 2);
    add(list, 2363, 1, "232 Inf XX", 2);
    add(list, 2366, 1, "237 Inf XX", 2);
    add(list, 2368, 1, "278 Inf XX", 2);
    add(list, 2370, 1, "356 Inf XX", 2);
    add(list, 2372, 1, "362 Inf XX", 2);
    add(list, 2374, 1, "371 Inf XX", 2);
    add(list, 2376, 1, "710 Inf XX", 2);
    // Its picture lies between those of "232 Inf XX" and "237 Inf XX".
    add(list, 2365, 0, "135 Inf XX", 1);
    add(list, 2378, 0, "71 NW", 1);
    // Ports
    add(list, 2379, 0, "Port", 0);
    add(list, 2380, 0, "Port", 0);
    add(list, 2381, 0, "Port", 0);
    add(list, 2382, 0, "Port", 0);
    add(list, 2383, 0, "Port", 0);
    add(list, 2384, 0, "Port", 0);
    add(list, 2385, 0, "Port", 0);
    add(list, 2386, 0, "Port", 0);
    // Game markers
    add(list, 2387, 0, "1 Marker", 0);
    add(list, 2388, 0, "1 Marker", 0);
    add(list, 2389, 0, "1 Marker", 0);
    add(list, 2390, 0, "1 Marker", 0);
    add(list, 2391, 0, "1 Marker", 0);
    add(list, 2392, 0, "1 Marker", 0);
    add(list, 2393, 0, "1 Marker", 0);
    add(list, 2394, 0, "1 Marker", 0);
}

const std::vector<ZeKCounterInitStruct>& orderOfBattleRows() {
    static const std::vector<ZeKCounterInitStruct> rows = [] {
        CounterInitList list;
        buildOrderOfBattle(list);
        return std::vector<ZeKCounterInitStruct>(list.begin(), list.end());
    }();
    return rows;
}

CounterKind kindOfRow(int row) {
    if (row <= 101)
        return CounterKind::FirstSide;
    if (row <= 114)
        return CounterKind::Fort;
    if (row <= 218)
        return CounterKind::SecondSide;
    if (row <= 226)
        return CounterKind::Port;
    return CounterKind::Marker;
}

Side sideOfRow(int row) {
    return kindOfRow(row) == CounterKind::FirstSide ? Side::First : Side::Second;
}
