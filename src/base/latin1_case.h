#pragma once
// Letter case of Latin-1 characters (the store's character set).

#include <string>

char Latin1Upper(char c);
char Latin1Lower(char c);
std::string Latin1UpperText(const std::string& text);
