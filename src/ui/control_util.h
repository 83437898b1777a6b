// Small helpers shared by the control constructors.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/draw_records.h"

// The x scale a mirrored button's sprite record points at.
extern const float gFlipScale;

// A control whose row is missing ends the game: one line on stderr and the quit message.
// The control stays hidden until then.
void ReportMissingControlRow(const char* kind, int controlId);

// Copies a row's text into a control's array, cut to fit and always terminated.
void CopyControlText(char* dest, size_t size, const char* source);

// Points a sprite record at its control's live position and colour, at unit scale unless told.
void PointSpriteRecord(SpriteDrawRecord& record, const int* x, const int* y, const uint32_t* colour,
                       const float* xScale = &gUnitScale, const float* yScale = &gUnitScale);
