#pragma once
// The summary "orvana-tax calc" prints for a person, made from the same figures as its JSON:
// each gain or loss with its method, the losses applied, the net capital gain, the losses
// carried forward and the labels the return receives.

#include <nlohmann/json.hpp>
#include <string>

std::string CalcSummaryText(const nlohmann::ordered_json& result);

// "$1,234", or "$1,234.50" when there are cents; "-$20" below zero.
std::string SummaryMoney(double amount);
