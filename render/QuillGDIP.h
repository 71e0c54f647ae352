// The drawing wrappers in one include: surfaces, pens, brushes, fonts, formats, paths, regions, matrices and images.
#pragma once

#include "render/QuillGDIPBase.h"
#include "render/QuillGDIPBrushes.h"
#include "render/QuillGDIPGeometry.h"
#include "render/QuillGDIPGraphics.h"
#include "render/QuillGDIPImages.h"
#include "render/QuillGDIPText.h"
