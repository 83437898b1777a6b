// Small helpers shared by the control constructors.
#pragma once

#include <cstddef>

// The x scale a mirrored button's sprite record points at.
extern const float gFlipScale;

// A control whose row is missing ends the game: one line on stderr and the quit message.
// The control stays hidden until then.
void ReportMissingControlRow(const char* kind, int controlId);

// Copies a row's text into a control's array, cut to fit and always terminated.
void CopyControlText(char* dest, size_t size, const char* source);
