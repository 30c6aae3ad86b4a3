#pragma once
// The reports written from the command line, with no window and no single-instance lock:
//
//   OcenaRyzyka --raport [--podsumowanie] [--plan] OCENA.ron WYNIK.docx
//   OcenaRyzyka --lista-kontrolna DOKUMENT.ron|DOKUMENT.rpr WYNIK.pdf
//   OcenaRyzyka --raport --folder-wyjściowy FOLDER [--format docx|odt|pdf] A.ron B.ron ...
//   OcenaRyzyka --plan-arkusz A.ron [B.ron ...] PLAN.xlsx|PLAN.csv
//   OcenaRyzyka --rejestr FOLDER REJESTR.xlsx|REJESTR.csv|REJESTR.pdf
//   OcenaRyzyka --oswiadczenia OCENA.ron WYNIK.pdf
//
// --podsumowanie adds the risk overview appendix to the risk reports, --plan the action
// plan appendix. --plan-arkusz writes the plans of all the assessments into one sheet
// (plan_spreadsheet.h), of those that could be read when some could not. --rejestr writes the
// register of every assessment of FOLDER and its subfolders, a file that cannot be read
// listed with its cause (exit code 1 then). --oswiadczenia writes the statement of every
// worker the assessment lists (worker_statements.h).
// The format follows the output's extension (in a folder: --format, .docx unless given).
// Documents are read without their lock and never written. Each written file gets one line
// on standard output, each file that fails one line on standard error naming it and the
// cause, and the next file is taken all the same. Exit code 0 only when every report was
// written, 1 when some were not, 2 for a command line that cannot be understood.

// True when the command line holds an argument starting with "--": the report options and
// --help are the only ones, so such a command line is the report's, where an unknown one is
// a usage error before anything is read or written. Any other goes to the windowed program.
bool isReportCommandLine(int argc, char* argv[]);

// Sets the offscreen platform unless one is given, makes the application object and writes
// the reports to the process's standard output and error. Returns the exit code.
int runReportCommandLine(int argc, char* argv[]);
