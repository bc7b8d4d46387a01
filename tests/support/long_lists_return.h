#pragma once
// Answers for "orvana-tax set --from" of a return whose one share parcel has long lists:
// `costs` cost elements and `payments` non-assessable payments between its purchase in 1988
// and its sale in 2005, so its worksheets run over many pages.

#include <string>

#include "base/dates.h"

inline std::string LongListsAnswers(int costs, int payments, const std::string& name) {
    const long bought = EncodeDate(1988, 3, 16);
    const long span = EncodeDate(2005, 6, 30) - bought;
    std::string answers = "397=text:" + name + "\n396=text:14/08/2006\n[1202.1]\n" +
                          "710=text:Meridian Resources Ordinary Shares\n714=text:SN\n" +
                          "726=text:16/03/1988\n737=rows:8\n";
    for (int i = 0; i < costs; ++i) {
        const std::string cents = std::to_string(100 + i % 100).substr(1);
        answers += "| 2A - Incidentals re holding & acquisition | " +
                   FormatDate(static_cast<double>(bought + span * i / costs)) + " | | Cost " +
                   std::to_string(i + 1) + " | " + std::to_string(100 + i) + "." + cents +
                   " | | |\n";
    }
    answers += "738=rows:6\n";
    for (int i = 0; i < payments; ++i)
        answers += "| " + FormatDate(static_cast<double>(bought + 20 + span * i / payments)) +
                   " | | Capital receipt | 10.00 | | Notice |\n";
    answers += "748=text:G1\n1150=text:ON\n739=text:12/10/2005\n742=currency:938400\n721=check\n";
    return answers;
}
