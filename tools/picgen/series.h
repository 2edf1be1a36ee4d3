// picgen: the {EXPR} expressions in the draw commands of a series.
//
// In the draw commands of a series every {EXPR} is replaced by its value for
// the member being drawn before the command is read, in numbers, points and
// strings alike ("{{" gives a '{' of its own).  EXPR is made of decimal
// numbers, n (the member's number, from 0), + - * / % with the usual
// precedence (C integer arithmetic: division truncates toward zero, a
// remainder takes the sign of the dividend), unary + and -, parentheses,
// min(A,B) and max(A,B), e.g.
//
//     rect R 2,{29-n*27/99} 5,29
//     text G 15,12 center scale 2 "{n}"
//
// Every value must stay within the range of a 32-bit int, and dividing by
// zero is an error.  Errors are reported at `where` as "in {EXPR}: ...".
#pragma once

#include <string>

namespace picgen {

// The value of the expression `text` (without its braces) for member n.
int evaluate(const std::string &text, int n, const std::string &where);

// Replaces every {EXPR} in a draw command of a series member by its value for
// n = member; "{{" stands for a literal '{'.  A comment ('#' outside a string)
// is left as it is.
std::string expandSeries(const std::string &raw, int member, const std::string &where);

} // namespace picgen
