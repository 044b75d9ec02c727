#pragma once

class CampaignScript;
class Universe;

// The campaign's folder and script, under the data folder.
const char* const campaignFolder = "campaign";
const char* const campaignScriptFile = "campaign/campaign.txt";

// Reads the campaign script and the campaign's own universe (the three world
// files under campaign/) into `universe`, which gets a world 0 first as
// start-up's does, and checks that they fit each other and shipdata.txt.
// False when there is no campaign: silently when the data set has no campaign
// folder, else after a line naming each problem and one saying so.
bool loadCampaign(Universe& universe, CampaignScript& script);
