#pragma once
// Files written through Qt (PDFs, pictures) by the rules of what is written beside a
// return: owner-only, under an exclusive temporary name renamed over the name in one
// step, never over the return, its backup or anything that is not a regular file.

#include <QIODevice>
#include <QString>
#include <functional>
#include <string>

// `write` fills the device, false with the reason when it cannot. `returnPath` is the
// open return (empty: none). False with the reason in `error`; the path then holds what
// it held.
bool WritePrivateFile(const QString& path, const std::string& returnPath,
                      const std::function<bool(QIODevice&, QString&)>& write, QString& error);
