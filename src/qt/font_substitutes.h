#pragma once

namespace qtfront {

// The windows ask for Windows fonts by name. Where the machine lacks them the
// text is set in look-alikes: Liberation Serif has the metrics of Times New
// Roman, and IPA P Gothic is the proportional Gothic the counters were made for.
void installFontSubstitutes();

}  // namespace qtfront
