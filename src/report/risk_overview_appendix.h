#pragma once
// WriteRiskOverviewAppendix: the appendix that the full risk report gets when the user asks
// for it, on a new page after the acknowledgement sheet: the number of hazards at each of the
// five levels and of those not rated, as a ruled table (with residual ratings, also after the
// measures); for PHA and Matrycowa the S x P grid, each cell shaded by the level of its
// product and carrying the number of hazards and the level's number, so that it also reads
// in greyscale print; and the unacceptable hazards
// (levels 4 and 5), most severe first, with their sources and preventive actions. Sends
// commands only, like the report it follows.

struct AssessmentSnapshot;
class WordBasic;

void WriteRiskOverviewAppendix(WordBasic& word, const AssessmentSnapshot& assessment);
