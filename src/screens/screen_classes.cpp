#include "interview/screen_catalogue.h"

// Introduction, losses of earlier years and residency
#include "screens/tqcgt_56.h"
#include "screens/tqcgt_60.h"
#include "screens/tqcgt_83.h"
#include "screens/tqcgt_ceaseresidency.h"
#include "screens/tqcgt_unappliedncls.h"

// Shares, trusts and real estate
#include "screens/tqcgt02_04.h"
#include "screens/tqcgt_03a.h"
#include "screens/tqcgt_39.h"
#include "screens/tqcgt_39a.h"
#include "screens/tqcgt_40.h"
#include "screens/tqcgt_41.h"
#include "screens/tqcgt_42.h"
#include "screens/tqcgt_43.h"
#include "screens/tqcgt_43a.h"
#include "screens/tqcgt_43b.h"
#include "screens/tqcgt_44.h"

// Depreciating assets, personal use assets, other assets, created rights and receipts
#include "screens/tqcgt_08g.h"
#include "screens/tqcgt_35.h"
#include "screens/tqcgt_36.h"
#include "screens/tqcgt_36a.h"
#include "screens/tqcgt_37.h"
#include "screens/tqcgt_45.h"
#include "screens/tqcgt_45a.h"
#include "screens/tqcgt_46.h"
#include "screens/tqcgt_47.h"
#include "screens/tqcgt_47a.h"
#include "screens/tqcgt_48.h"
#include "screens/tqcgt_49.h"
#include "screens/tqcgt_49a.h"
#include "screens/tqcgt_50.h"
#include "screens/tqcgt_80.h"
#include "screens/tqcgt_81.h"
#include "screens/tqcgt_82.h"

// Asset paths: registration, cost, event and deferral
#include "screens/tqcgt_08.h"
#include "screens/tqcgt_11.h"
#include "screens/tqcgt_12.h"
#include "screens/tqcgt_18.h"
#include "screens/tqcgt_18b.h"
#include "screens/tqcgt_19.h"
#include "screens/tqcgt_19a.h"
#include "screens/tqcgt_20.h"
#include "screens/tqcgt_20a.h"
#include "screens/tqcgt_20b.h"

// Asset paths: calculation summaries
#include "screens/tqcgt_58.h"
#include "screens/tqcgt_58a.h"
#include "screens/tqcgt_59a.h"
#include "screens/tqcgt_59b.h"

// Before the choice table
#include "screens/tqcgt02_05.h"
#include "screens/tqcgt_57.h"
#include "screens/tqcgt_62.h"

// Concession summaries and the schedule
#include "screens/tqcgt_64.h"
#include "screens/tqcgt_65.h"
#include "screens/tqcgt_66.h"
#include "screens/tqcgt_67.h"

namespace {
template <class Screen>
TChildForm* Make() {
    return new Screen;
}
}  // namespace

const ScreenClassTable& ScreenClasses() {
    static const ScreenClassTable table = {
        // Introduction, losses of earlier years and residency
        {2004, Make<TQCGT_83>},
        {2005, Make<TQCGT_56>},
        {2088, Make<TQCGT_60>},
        {2125, Make<TQCGT_UnappliedNCLs>},
        {2126, Make<TQCGT_CeaseResidency>},

        // Shares, trusts and real estate
        {2006, Make<TQCGT_39a>},
        {2007, Make<TQCGT_39>},
        {2017, Make<TQCGT_40>},
        {2018, Make<TQCGT_03a>},
        {2019, Make<TQCGT02_04>},
        {2020, Make<TQCGT_41>},
        {2030, Make<TQCGT_42>},
        {2031, Make<TQCGT_43a>},
        {2032, Make<TQCGT_43b>},
        {2033, Make<TQCGT_43>},
        {2041, Make<TQCGT_44>},

        // Depreciating assets, personal use assets, other assets, created rights and receipts
        {2042, Make<TQCGT_80>},
        {2043, Make<TQCGT_81>},
        {2051, Make<TQCGT_82>},
        {2052, Make<TQCGT_45a>},
        {2053, Make<TQCGT_45>},
        {2061, Make<TQCGT_46>},
        {2062, Make<TQCGT_47a>},
        {2063, Make<TQCGT_47>},
        {2071, Make<TQCGT_48>},
        {2072, Make<TQCGT_49a>},
        {2073, Make<TQCGT_49>},
        {2074, Make<TQCGT_08g>},
        {2075, Make<TQCGT_36a>},
        {2081, Make<TQCGT_50>},
        {2096, Make<TQCGT_35>},
        {2097, Make<TQCGT_36>},
        {2098, Make<TQCGT_37>},

        // Asset paths: registration, cost, event and deferral
        {2009, Make<TQCGT_08>},
        {2022, Make<TQCGT_08>},
        {2035, Make<TQCGT_08>},
        {2045, Make<TQCGT_08>},
        {2055, Make<TQCGT_08>},
        {2065, Make<TQCGT_08>},
        {2010, Make<TQCGT_11>},
        {2023, Make<TQCGT_11>},
        {2036, Make<TQCGT_11>},
        {2047, Make<TQCGT_11>},
        {2056, Make<TQCGT_11>},
        {2066, Make<TQCGT_11>},
        {2011, Make<TQCGT_12>},
        {2024, Make<TQCGT_12>},
        {2037, Make<TQCGT_12>},
        {2048, Make<TQCGT_12>},
        {2057, Make<TQCGT_12>},
        {2067, Make<TQCGT_12>},
        {2012, Make<TQCGT_18>},
        {2025, Make<TQCGT_18b>},
        {2013, Make<TQCGT_19>},
        {2026, Make<TQCGT_19>},
        {2038, Make<TQCGT_19>},
        {2058, Make<TQCGT_19>},
        {2068, Make<TQCGT_19>},
        {2046, Make<TQCGT_19a>},
        {2014, Make<TQCGT_20b>},
        {2027, Make<TQCGT_20b>},
        {2039, Make<TQCGT_20a>},
        {2049, Make<TQCGT_20>},
        {2059, Make<TQCGT_20>},
        {2069, Make<TQCGT_20>},

        // Asset paths: calculation summaries
        {2015, Make<TQCGT_59a>},
        {2028, Make<TQCGT_59b>},
        {2016, Make<TQCGT_58>},
        {2029, Make<TQCGT_58>},
        {2040, Make<TQCGT_58>},
        {2060, Make<TQCGT_58>},
        {2070, Make<TQCGT_58>},
        {2050, Make<TQCGT_58A>},

        // Before the choice table
        {2101, Make<TQCGT02_05>},
        {2102, Make<TQCGT_57>},
        {2103, Make<TQCGT_62>},

        // Concession summaries and the schedule
        {2104, Make<TQCGT_64>},
        {2105, Make<TQCGT_65>},
        {2106, Make<TQCGT_66>},
        {2107, Make<TQCGT_67>},
    };
    return table;
}
