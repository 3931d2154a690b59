#pragma once
// One fuzz input for the editor model: a run of operations (set the text,
// select, replace, append, read characters and lines, type a key) on a real
// QPlainTextEdit, each compared with the same operation on a plain CR LF
// string. Needs a QApplication.
#include <QString>

#include <cstddef>
#include <cstdint>

// "" when every check held, else what failed.
QString runEditorModelFuzzInput(const uint8_t *data, size_t size);
