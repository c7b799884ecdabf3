#pragma once
// The texts the core words for the user (results, lists of problems, the check's lines), as the
// window shows them: each format of the wording translated in its context, the data filled in
// as it is. With no translation loaded they are the core's English (result::message()).

#include "editing/game_check.h"
#include "fileio/result.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace qira {

QString shown_text(const wording& w);
// The message of a result, translated; empty when it is ok.
QString shown_text(const result& r);
// The problem of a result alone (without its frame), translated.
QString shown_problem(const result& r);
// The messages of a list of results, in order.
QStringList shown_texts(const std::vector<result>& results);
// A line of the game check, translated.
QString shown_text(const game_problem& p);

} // namespace qira
