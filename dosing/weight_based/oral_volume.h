// The oral volume rounding of liquid doses for children: a volume in mL taken to a step that
// grows with the volume (hundredths, twentieths, tenths, quarters, halves, wholes), so that it
// can be measured with an oral syringe. Rounds only; it does not compute the volume.
#pragma once

namespace orvane {

// The volume after the band steps, each working on the result of the one before. Volumes below
// 0.01 mL (the float nearest 0.01 included) and values that are no number come back unchanged.
float roundOralVolume(float ml);

}  // namespace orvane
