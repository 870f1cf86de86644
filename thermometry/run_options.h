#pragma once

namespace kolbex::thermometry {

// The two check marks of the data entry window that the thermometers read for every analysis. They are
// not stored: each program start begins with both unchecked.
struct RunOptions {
  bool input_pressure = false;  // mnuInputP: TT76 and TFS78 use the entered garnet-biotite pressure
  bool ganguly_1979 = false;    // mnuGanguly79: the T <= 1060 oC form of TG79
};

}  // namespace kolbex::thermometry
