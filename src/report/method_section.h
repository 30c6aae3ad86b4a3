#pragma once
// WriteMethodSection: the explanation of a risk-estimation method in the risk assessment
// report: what it estimates, its formula, the scales of its factors, the five risk levels,
// and the rules of action common to all methods. The texts are the report's own and are
// written as they stand, also where their wording differs from the computation.
// The caller has set the paragraph (left) and the size (10 pt); only Insert, CenterPara and
// LeftPara are sent.

class WordBasic;

// `method`: 0 PHA, 1 RISK SCORE, 2 FIVE STEPS, 3 matrix (PN-N-18002); any other writes
// nothing.
void WriteMethodSection(WordBasic& word, int method);
