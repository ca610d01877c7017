#pragma once

#include "DatabaseCatalog.h"

#include "db/TriDbTemplate.h"

#include <string>

// The database's template, parsed by the importer's own reader; firstRelease drops the last field.
TriDbTemplate LoadTemplate(const DatabaseSpec& spec, bool firstRelease);
// Writes DATABASE\<NAME>.DBT under the Fly2 folder fly.
void WriteTemplateFile(const std::string& fly, const DatabaseSpec& spec);
