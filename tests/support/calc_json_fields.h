#pragma once
// Reads `orvana-tax calc --json` by field number: every figure a field holds is printed as
// {"value": V, "field": N} somewhere under a named key.

#include <map>
#include <nlohmann/json.hpp>

// Every {"value", "field"} pair under `section`, by field number.
template <class Json>
std::map<int, Json> CalcFields(const Json& section) {
    std::map<int, Json> fields;
    if (section.is_object() && section.contains("field") && section.contains("value") &&
        section["field"].is_number_integer()) {
        fields[section["field"].template get<int>()] = section["value"];
        return fields;
    }
    if (section.is_structured())
        for (const auto& child : section) fields.merge(CalcFields(child));
    return fields;
}

// The value of field `n` under `section`; null when the section has no such field.
template <class Json>
Json CalcField(const Json& section, int n) {
    const std::map<int, Json> fields = CalcFields(section);
    const auto found = fields.find(n);
    return found == fields.end() ? Json() : found->second;
}

// A figure's amount: its value when a number, else 0 (a blank).
template <class Json>
double CalcAmount(const Json& figure) {
    return figure.is_object() && figure["value"].is_number()
               ? figure["value"].template get<double>()
               : 0.0;
}

// The figures under `section` as an object keyed by field number ("1131"), blanks left out.
template <class Json>
Json CalcByNumber(const Json& section) {
    Json out = Json::object();
    for (const auto& [n, value] : CalcFields(section))
        if (!value.is_null()) out[std::to_string(n)] = value;
    return out;
}
