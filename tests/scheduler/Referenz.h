#pragma once

class TProjekt;

// The scheduling run written step by step in the plainest form, without bit masks or lookup tables: the
// engine must give exactly the same plan.
void ReferenzLauf(TProjekt& projekt);
