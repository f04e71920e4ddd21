#pragma once

// Reflection coefficient of the impedance R + jX against Z0. An R or X above
// 1e90 (infinite or absent) gives 1 + j0. Fails, leaving the outputs as they
// were, for Z = -Z0 and whenever the inputs or the result are not finite.
bool GammaFromZ(double R, double X, double z0Re, double z0Im, double& re, double& im);
