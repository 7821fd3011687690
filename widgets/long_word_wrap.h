#pragma once

class QPlainTextEdit;
class QString;

namespace lernwerk {

// Makes a field that wraps its lines at its width stay fast whatever it holds.
// It wraps at word boundaries, as before. But a run of text without a space
// that is longer than any word (a pasted hash or code, a line of a script
// written without spaces) is wider than the field anyway, and Qt's word
// wrapping searches that whole run for a break again for every row it makes:
// time growing with the square of the run, minutes for a megabyte. While the
// field holds such a run it wraps anywhere, which costs time in proportion to
// the text. Lines with spaces only keep breaking at word boundaries.
void wrapLongRunsAnywhere(QPlainTextEdit& field);

// Replaces the text of such a field, choosing how it wraps before the text is
// laid out, so that it is laid out once.
void setWrappedText(QPlainTextEdit& field, const QString& text);

}  // namespace lernwerk
