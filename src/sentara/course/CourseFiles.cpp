#include "sentara/course/CourseFiles.h"

#include "common/CourseFolder.h"

namespace sentara {

CourseFiles CourseFiles::read(const common::CourseFolder& folder) {
    CourseFiles files;
    files.content = common::CourseContent::load(folder, &files.contentError);
    files.dictionary =
        common::WordDictionary::load(folder.dictionaryFile()).value_or(common::WordDictionary());
    files.study = StudySettings::read(folder);
    files.catalogue = Catalogue::build(files.content, folder);
    return files;
}

} // namespace sentara
