#include "driver/IndexGenFactory.h"

#include "db/IndexGenAica.h"
#include "db/IndexGenField.h"
#include "db/IndexGenLatLon.h"
#include "db/IndexGenMulti.h"

std::unique_ptr<IndexGen> MakeIndexGen(const TriDb& table, const NavIndex& index) {
    switch (index.kind) {
    case NavIndex::Kind::Field:
        return std::make_unique<IndexGenField>(table, index.firstCode);
    case NavIndex::Kind::LatLon:
        return std::make_unique<IndexGenLatLon>(table, index.firstCode, index.secondCode);
    case NavIndex::Kind::Multi:
        return std::make_unique<IndexGenMulti>(table, index.firstCode, index.secondCode);
    case NavIndex::Kind::Aica:
        break;
    }
    return std::make_unique<IndexGenAica>(table);
}
